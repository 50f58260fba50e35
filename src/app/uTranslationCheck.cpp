#include "app/uTranslationCheck.h"

#include <cstdint>
#include <set>
#include <utility>

bool IsValidUtf8(std::string_view Text) {
  std::size_t I = 0;
  while (I < Text.size()) {
    const auto Lead = static_cast<unsigned char>(Text[I]);
    if (Lead < 0x80) {
      ++I;
      continue;
    }
    std::size_t Length = 0;
    std::uint32_t Code = 0;
    if (Lead >= 0xC2 && Lead <= 0xDF) {
      Length = 2;
      Code = Lead & 0x1F;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
      Length = 3;
      Code = Lead & 0x0F;
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
      Length = 4;
      Code = Lead & 0x07;
    } else {
      return false;
    }
    if (I + Length > Text.size())
      return false;
    for (std::size_t K = 1; K < Length; ++K) {
      const auto Next = static_cast<unsigned char>(Text[I + K]);
      if ((Next & 0xC0) != 0x80)
        return false;
      Code = (Code << 6) | (Next & 0x3F);
    }
    const bool Overlong = (Length == 3 && Code < 0x800) || (Length == 4 && Code < 0x10000);
    if (Overlong || (Code >= 0xD800 && Code <= 0xDFFF) || Code > 0x10FFFF)
      return false;
    I += Length;
  }
  return true;
}

namespace {

int ReadNumber(std::string_view Text, std::size_t& Pos) {
  if (Pos >= Text.size() || Text[Pos] < '0' || Text[Pos] > '9')
    return -1;
  int Value = 0;
  while (Pos < Text.size() && Text[Pos] >= '0' && Text[Pos] <= '9') {
    if (Value < 100000)
      Value = Value * 10 + (Text[Pos] - '0');
    ++Pos;
  }
  return Value;
}

char KindOf(char Type) {
  switch (Type) {
    case 's':
    case 'S':
      return 's';
    case 'd':
    case 'D':
    case 'u':
    case 'U':
    case 'x':
    case 'X':
      return 'd';
    case 'f':
    case 'F':
    case 'n':
    case 'N':
    case 'g':
    case 'G':
    case 'e':
    case 'E':
      return 'f';
  }
  return 0;
}

// The placeholders of a pattern, read the way Format reads them.
std::set<std::pair<int, char>> Placeholders(std::string_view Pattern) {
  std::set<std::pair<int, char>> Found;
  int NextArg = 0;
  std::size_t Pos = 0;
  while (Pos < Pattern.size()) {
    if (Pattern[Pos] != '%') {
      ++Pos;
      continue;
    }
    if (Pos + 1 < Pattern.size() && Pattern[Pos + 1] == '%') {
      Pos += 2;
      continue;
    }
    std::size_t Cursor = Pos + 1;
    int ArgIndex = NextArg;
    int Number = ReadNumber(Pattern, Cursor);
    if (Number >= 0 && Cursor < Pattern.size() && Pattern[Cursor] == ':') {
      ArgIndex = Number;
      ++Cursor;
      Number = -1;
    }
    if (Number < 0) {
      if (Cursor < Pattern.size() && Pattern[Cursor] == '-')
        ++Cursor;
      ReadNumber(Pattern, Cursor);
    }
    if (Cursor < Pattern.size() && Pattern[Cursor] == '.') {
      ++Cursor;
      ReadNumber(Pattern, Cursor);
    }
    if (Cursor < Pattern.size() && KindOf(Pattern[Cursor]) != 0) {
      Found.emplace(ArgIndex, KindOf(Pattern[Cursor]));
      NextArg = ArgIndex + 1;
      Pos = Cursor + 1;
      continue;
    }
    ++Pos;
  }
  return Found;
}

}  // namespace

bool SamePlaceholders(std::string_view English, std::string_view Translation) {
  return Placeholders(English) == Placeholders(Translation);
}
