#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/uKoException.h"

// A mask with a bracketed set the matcher cannot read.
class EMaskError : public EKoException {
 public:
  using EKoException::EKoException;
};

// A file-name style mask, matched against a whole text without regard to letter case:
//   *       any run of characters, also none
//   ?       exactly one character
//   [set]   one character of the set; "a-z" is a range, a leading "!" negates the set
// Every other character stands for itself. Characters are Unicode characters, not bytes.
class TMask {
 public:
  // Raises EMaskError for a set that is not closed, is empty or holds a reversed range.
  explicit TMask(std::string_view Mask);

  bool Matches(std::string_view Text) const;

 private:
  struct TElement {
    enum TKind { ekLiteral, ekAnyChar, ekAnyRun, ekSet } Kind = ekLiteral;
    char32_t Character = 0;                             // ekLiteral, folded
    bool Negated = false;                               // ekSet
    std::vector<std::pair<char32_t, char32_t>> Ranges;  // ekSet, single characters as a..a
    bool MatchesOne(char32_t Character) const;
  };
  std::vector<TElement> FElements;
};

// Whether a title or name is to be taken as a mask: only "*" and "?" make it one, so a text
// with brackets alone is still compared as it stands.
bool HasMaskWildcards(std::string_view Pattern);

bool MatchesMask(std::string_view Text, std::string_view Mask);
