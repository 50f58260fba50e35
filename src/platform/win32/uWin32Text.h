#pragma once

#include <string>
#include <string_view>

// Kolvane keeps text as UTF-8; Windows takes UTF-16. Conversions happen only in adapters.
std::wstring Utf8ToWide(std::string_view Text);
std::string WideToUtf8(std::wstring_view Text);
