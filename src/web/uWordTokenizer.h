#pragma once

#include <bitset>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Splits a text into words separated by runs of delimiter bytes.
class TWordTokenizer {
 public:
  TWordTokenizer(std::string_view Text, std::initializer_list<char> Delimiters);

  // Skips delimiters from the current position; false at the end of the text, otherwise the
  // word up to the next delimiter (or the end), leaving the position on that delimiter.
  bool NextWord(std::string& Word);

 private:
  bool IsDelimiter(char C) const { return FDelimiters.test(static_cast<unsigned char>(C)); }

  std::bitset<256> FDelimiters;
  std::string_view FText;
  std::size_t FPosition = 0;
};
