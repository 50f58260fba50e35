#pragma once

#include <string>
#include <string_view>

// A one-line glimpse of a text for debug dumps: "(length) " and the text from its first
// non-blank character to the next line break or tab, at most Limit + 1 characters, with "..."
// when the text goes on.
std::string TextPreview(std::string_view Text, std::size_t Limit = 20);
