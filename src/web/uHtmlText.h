#pragma once

#include <string>
#include <string_view>

// Makes text safe inside HTML: "&", "<" and ">" always, and with EscapeQuotes also the double
// quote and the apostrophe, so the text can stand in an attribute value. The ampersand goes
// first, so an entity already in the text is escaped again rather than kept.
std::string HTMLEscape(std::string_view Text, bool EscapeQuotes);

// The text with every byte outside 32..126 replaced by "?": header values must be plain ASCII.
std::string ToPrintableASCII(std::string_view Text);
