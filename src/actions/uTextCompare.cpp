#include "actions/uTextCompare.h"

#include <algorithm>

namespace {

constexpr char32_t kInvalidByteBase = 0xDC00;

// The length of the sequence a lead byte starts and the bits it carries; 0 when it cannot lead.
int SequenceLength(unsigned char Lead) {
  if (Lead < 0x80)
    return 1;
  if (Lead >= 0xC2 && Lead <= 0xDF)
    return 2;
  if (Lead >= 0xE0 && Lead <= 0xEF)
    return 3;
  if (Lead >= 0xF0 && Lead <= 0xF4)
    return 4;
  return 0;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view Text) {
  std::u32string Result;
  Result.reserve(Text.size());
  std::size_t Pos = 0;
  while (Pos < Text.size()) {
    const auto Lead = static_cast<unsigned char>(Text[Pos]);
    const int Length = SequenceLength(Lead);
    char32_t Character = 0;
    bool Valid = Length > 0 && Pos + static_cast<std::size_t>(Length) <= Text.size();
    if (Valid) {
      Character = Length == 1 ? Lead : Lead & (0x7F >> Length);
      for (int I = 1; I < Length && Valid; ++I) {
        const auto Next = static_cast<unsigned char>(Text[Pos + I]);
        Valid = (Next & 0xC0) == 0x80;
        Character = (Character << 6) | (Next & 0x3F);
      }
      // Overlong forms, surrogates and values past U+10FFFF are not characters.
      if (Valid && Length == 3 &&
          (Character < 0x800 || (Character >= 0xD800 && Character <= 0xDFFF)))
        Valid = false;
      if (Valid && Length == 4 && (Character < 0x10000 || Character > 0x10FFFF))
        Valid = false;
    }
    if (Valid) {
      Result += Character;
      Pos += static_cast<std::size_t>(Length);
    } else {
      Result += kInvalidByteBase + Lead;
      ++Pos;
    }
  }
  return Result;
}

namespace {

// Upper case letters that sit in pairs with their lower case at the next code point.
bool IsEvenUpperOfPair(char32_t C) {
  return (C >= 0x0100 && C <= 0x012F) || (C >= 0x0132 && C <= 0x0137) ||
         (C >= 0x014A && C <= 0x0177) || (C >= 0x0182 && C <= 0x0185) ||
         (C >= 0x01A0 && C <= 0x01A5) || (C >= 0x01DE && C <= 0x01EF) ||
         (C >= 0x01F8 && C <= 0x021F) || (C >= 0x0222 && C <= 0x0233) ||
         (C >= 0x0246 && C <= 0x024F) || (C >= 0x0370 && C <= 0x0373) ||
         (C >= 0x03D8 && C <= 0x03EF) || (C >= 0x0460 && C <= 0x0481) ||
         (C >= 0x048A && C <= 0x04BF) || (C >= 0x04D0 && C <= 0x052F) ||
         (C >= 0x1E00 && C <= 0x1E95) || (C >= 0x1EA0 && C <= 0x1EFF);
}

bool IsOddUpperOfPair(char32_t C) {
  return (C >= 0x0139 && C <= 0x0148) || (C >= 0x0179 && C <= 0x017E) ||
         (C >= 0x01B3 && C <= 0x01B6) || (C >= 0x01CD && C <= 0x01DC) ||
         (C >= 0x04C1 && C <= 0x04CE);
}

}  // namespace

char32_t FoldCase(char32_t C) {
  if (C < 0x80)
    return C >= 'A' && C <= 'Z' ? C + 0x20 : C;
  if ((C >= 0x00C0 && C <= 0x00DE && C != 0x00D7))
    return C + 0x20;
  if (C == 0x00B5)
    return 0x03BC;  // micro sign folds to Greek mu
  if (C == 0x0130)
    return 0x0069;  // capital I with dot above
  if (C == 0x0178)
    return 0x00FF;
  if (C == 0x017F)
    return 0x0073;  // long s
  if (C == 0x1E9E)
    return 0x00DF;  // capital sharp s
  if (IsEvenUpperOfPair(C))
    return C % 2 == 0 ? C + 1 : C;
  if (IsOddUpperOfPair(C))
    return C % 2 == 1 ? C + 1 : C;
  // Greek
  if (C >= 0x0391 && C <= 0x03AB && C != 0x03A2)
    return C + 0x20;
  if (C == 0x0386)
    return 0x03AC;
  if (C >= 0x0388 && C <= 0x038A)
    return C + 0x25;
  if (C == 0x038C)
    return 0x03CC;
  if (C == 0x038E || C == 0x038F)
    return C + 0x3F;
  if (C == 0x03C2)
    return 0x03C3;  // final sigma
  // Cyrillic
  if (C >= 0x0400 && C <= 0x040F)
    return C + 0x50;
  if (C >= 0x0410 && C <= 0x042F)
    return C + 0x20;
  if (C == 0x04C0)
    return 0x04CF;
  // Armenian
  if (C >= 0x0531 && C <= 0x0556)
    return C + 0x30;
  // Full-width Latin
  if (C >= 0xFF21 && C <= 0xFF3A)
    return C + 0x20;
  return C;
}

bool SameTextIgnoringCase(std::string_view A, std::string_view B) {
  if (SameText(A, B))
    return true;
  const std::u32string X = DecodeUtf8(A);
  const std::u32string Y = DecodeUtf8(B);
  return std::equal(X.begin(), X.end(), Y.begin(), Y.end(),
                    [](char32_t P, char32_t Q) { return FoldCase(P) == FoldCase(Q); });
}
