#pragma once

#include <string_view>

// Checks a translation must pass before it replaces a resource string's English text.

// Whether Text is well-formed UTF-8 (no stray continuation bytes, no overlong or surrogate
// forms, nothing beyond U+10FFFF). Texts reach Windows as UTF-16 and broken bytes would show
// as replacement characters or cut the text.
bool IsValidUtf8(std::string_view Text);

// Whether Translation fills the same arguments in the same way as English: every placeholder
// that Format recognises (%s, %d, %1:s, %.2f ...) is taken as its argument number and the kind
// of value it shows (text, whole number or real number), and both texts must use the same set.
// Order and repetition may differ, as languages need; %% and a lone % are plain text.
bool SamePlaceholders(std::string_view English, std::string_view Translation);
