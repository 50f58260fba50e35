#include "actions/uMasks.h"

#include "actions/uActionStrings.h"
#include "actions/uTextCompare.h"
#include "core/uFormat.h"

TMask::TMask(std::string_view Mask) {
  const std::u32string Characters = DecodeUtf8(Mask);
  auto Malformed = [&] {
    return EMaskError(Format(ResStr(umasks::sinvalidcharset), {std::string(Mask)}));
  };
  std::size_t Pos = 0;
  while (Pos < Characters.size()) {
    const char32_t C = Characters[Pos++];
    TElement Element;
    if (C == U'*') {
      // Runs of stars mean the same as one.
      if (!FElements.empty() && FElements.back().Kind == TElement::ekAnyRun)
        continue;
      Element.Kind = TElement::ekAnyRun;
    } else if (C == U'?') {
      Element.Kind = TElement::ekAnyChar;
    } else if (C == U'[') {
      Element.Kind = TElement::ekSet;
      if (Pos < Characters.size() && Characters[Pos] == U'!') {
        Element.Negated = true;
        ++Pos;
      }
      bool Closed = false;
      while (Pos < Characters.size()) {
        const char32_t First = Characters[Pos++];
        if (First == U']') {
          Closed = true;
          break;
        }
        char32_t Last = First;
        if (Pos + 1 < Characters.size() && Characters[Pos] == U'-' && Characters[Pos + 1] != U']') {
          Last = Characters[Pos + 1];
          Pos += 2;
          if (Last < First)
            throw Malformed();
        }
        Element.Ranges.emplace_back(First, Last);
      }
      if (!Closed || Element.Ranges.empty())
        throw Malformed();
    } else {
      Element.Character = FoldCase(C);
    }
    FElements.push_back(std::move(Element));
  }
}

bool TMask::TElement::MatchesOne(char32_t C) const {
  switch (Kind) {
    case ekLiteral:
      return FoldCase(C) == Character;
    case ekAnyChar:
      return true;
    case ekAnyRun:
      return false;
    case ekSet:
      break;
  }
  const char32_t Folded = FoldCase(C);
  bool InSet = false;
  for (const auto& [First, Last] : Ranges) {
    // "[A-Z]" must take "q" as well: compare the character and its caseless form with the range
    // as written and with its caseless ends.
    if ((C >= First && C <= Last) || (Folded >= FoldCase(First) && Folded <= FoldCase(Last))) {
      InSet = true;
      break;
    }
  }
  return InSet != Negated;
}

bool TMask::Matches(std::string_view Text) const {
  const std::u32string Characters = DecodeUtf8(Text);
  // Greedy matching that, on a mismatch, lets the latest star take one more character.
  std::size_t T = 0, E = 0;
  std::size_t StarElement = FElements.size(), StarText = 0;
  while (T < Characters.size()) {
    if (E < FElements.size() && FElements[E].Kind == TElement::ekAnyRun) {
      StarElement = E++;
      StarText = T;
    } else if (E < FElements.size() && FElements[E].MatchesOne(Characters[T])) {
      ++E;
      ++T;
    } else if (StarElement < FElements.size()) {
      E = StarElement + 1;
      T = ++StarText;
    } else {
      return false;
    }
  }
  while (E < FElements.size() && FElements[E].Kind == TElement::ekAnyRun)
    ++E;
  return E == FElements.size();
}

bool HasMaskWildcards(std::string_view Pattern) {
  return Pattern.find_first_of("*?") != std::string_view::npos;
}

bool MatchesMask(std::string_view Text, std::string_view Mask) {
  return TMask(Mask).Matches(Text);
}
