#pragma once

#include <string>
#include <string_view>

#include "core/uStringUtils.h"

// Text comparisons the process and window functions share. Text is UTF-8; bytes that are not
// valid UTF-8 are kept as characters of their own, so malformed names still compare sensibly.

// Nothing but blanks and control characters (TrimBlanks leaves nothing).
inline bool IsBlank(std::string_view Text) {
  return TrimBlanks(Text).empty();
}

// Equal ignoring letter case in the alphabets users name files and windows in (Latin, Greek,
// Cyrillic, Armenian and full-width Latin), by simple case folding.
bool SameTextIgnoringCase(std::string_view A, std::string_view B);

// The characters of a UTF-8 text. An invalid byte b becomes the character 0xDC00 + b, which
// no valid text contains.
std::u32string DecodeUtf8(std::string_view Text);

// The caseless form of one character.
char32_t FoldCase(char32_t Character);
