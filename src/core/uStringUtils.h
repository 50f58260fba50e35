#pragma once

#include <string>
#include <string_view>
#include <vector>

// Text helpers shared by the core. Letter case rules touch ASCII letters only: identifiers, keys
// and switches are ASCII, and UTF-8 bytes above 127 must pass through unchanged.

// Removes every character with a code below 33 (blanks and control characters) at both ends.
std::string_view TrimBlanks(std::string_view Text);

std::string UpperCaseAscii(std::string_view Text);
std::string LowerCaseAscii(std::string_view Text);

// Equal ignoring the letter case of ASCII letters.
bool SameText(std::string_view A, std::string_view B);
// Orders ignoring the letter case of ASCII letters: negative, zero or positive.
int CompareText(std::string_view A, std::string_view B);

// Characters, not bytes, of a UTF-8 text: a cut never splits a character.
std::size_t Utf8Length(std::string_view Text);
std::string Utf8Left(std::string_view Text, std::size_t Characters);

std::vector<std::string> SplitText(std::string_view Text, char Separator);

// A decimal integer: optional leading blanks, an optional sign, then digits only, within the
// range of a 32-bit signed number. False for anything else.
bool TryTextToInt(std::string_view Text, int& Value);
int TextToIntDef(std::string_view Text, int Default);
