#pragma once

#include <string>
#include <string_view>

// Comparisons that ignore the letter case of A-Z only. Identifiers, INI names and "[default]"
// are compared this way; the user's locale must not change what matches (the Turkish dotless i).

inline constexpr char AsciiLowerCase(char Letter) {
  return Letter >= 'A' && Letter <= 'Z' ? static_cast<char>(Letter - 'A' + 'a') : Letter;
}

inline constexpr char AsciiUpperCase(char Letter) {
  return Letter >= 'a' && Letter <= 'z' ? static_cast<char>(Letter - 'a' + 'A') : Letter;
}

inline std::string AsciiLowerCase(std::string_view Text) {
  std::string Result(Text);
  for (char& Letter : Result)
    Letter = AsciiLowerCase(Letter);
  return Result;
}

inline std::string AsciiUpperCase(std::string_view Text) {
  std::string Result(Text);
  for (char& Letter : Result)
    Letter = AsciiUpperCase(Letter);
  return Result;
}

inline constexpr bool AsciiSameText(std::string_view Left, std::string_view Right) {
  if (Left.size() != Right.size())
    return false;
  for (std::size_t I = 0; I < Left.size(); ++I)
    if (AsciiLowerCase(Left[I]) != AsciiLowerCase(Right[I]))
      return false;
  return true;
}

inline constexpr bool AsciiStartsText(std::string_view Prefix, std::string_view Text) {
  return Text.size() >= Prefix.size() && AsciiSameText(Prefix, Text.substr(0, Prefix.size()));
}
