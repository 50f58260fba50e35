#include "core/uFormat.h"

#include <cctype>
#include <algorithm>
#include <cstdio>
#include <vector>

std::string TFormatArg::AsText() const {
  if (auto Text = std::get_if<std::string>(&FValue))
    return *Text;
  if (auto Whole = std::get_if<std::int64_t>(&FValue))
    return std::to_string(*Whole);
  char Buffer[64];
  std::snprintf(Buffer, sizeof Buffer, "%g", std::get<double>(FValue));
  return Buffer;
}

std::int64_t TFormatArg::AsInteger() const {
  if (auto Whole = std::get_if<std::int64_t>(&FValue))
    return *Whole;
  if (auto Real = std::get_if<double>(&FValue))
    return static_cast<std::int64_t>(*Real);
  return 0;
}

double TFormatArg::AsReal() const {
  if (auto Real = std::get_if<double>(&FValue))
    return *Real;
  if (auto Whole = std::get_if<std::int64_t>(&FValue))
    return static_cast<double>(*Whole);
  return 0.0;
}

namespace {

struct TPlaceholder {
  bool LeftAlign = false;
  int Width = -1;
  int Precision = -1;
  char Type = 0;
};

std::string Pad(std::string Text, const TPlaceholder& Placeholder) {
  if (Placeholder.Width > 0 && static_cast<int>(Text.size()) < Placeholder.Width) {
    std::string Fill(static_cast<std::size_t>(Placeholder.Width) - Text.size(), ' ');
    Text = Placeholder.LeftAlign ? Text + Fill : Fill + Text;
  }
  return Text;
}

std::string Render(const TFormatArg& Arg, const TPlaceholder& Placeholder) {
  char Buffer[128];
  const int Precision =
      Placeholder.Precision < 0 ? -1 : (Placeholder.Precision > 60 ? 60 : Placeholder.Precision);
  switch (Placeholder.Type) {
    case 's': {
      std::string Text = Arg.AsText();
      if (Precision >= 0 && static_cast<int>(Text.size()) > Precision)
        Text.resize(Precision);
      return Pad(std::move(Text), Placeholder);
    }
    case 'd':
    case 'u': {
      std::string Digits = std::to_string(Arg.AsInteger());
      // Pascal's precision on integers is a minimum digit count.
      bool Negative = !Digits.empty() && Digits[0] == '-';
      if (Negative)
        Digits.erase(0, 1);
      if (Precision > static_cast<int>(Digits.size()))
        Digits.insert(0, static_cast<std::size_t>(Precision) - Digits.size(), '0');
      return Pad((Negative ? "-" : "") + Digits, Placeholder);
    }
    case 'x':
      std::snprintf(Buffer, sizeof Buffer, "%0*llX", Precision < 0 ? 0 : Precision,
                    static_cast<unsigned long long>(Arg.AsInteger()));
      return Pad(Buffer, Placeholder);
    case 'f':
    case 'n':
      std::snprintf(Buffer, sizeof Buffer, "%.*f", Precision < 0 ? 2 : Precision, Arg.AsReal());
      return Pad(Buffer, Placeholder);
    case 'g':
      std::snprintf(Buffer, sizeof Buffer, "%.*g", Precision < 0 ? 15 : Precision, Arg.AsReal());
      return Pad(Buffer, Placeholder);
    case 'e':
      std::snprintf(Buffer, sizeof Buffer, "%.*E", Precision < 0 ? 15 : Precision, Arg.AsReal());
      return Pad(Buffer, Placeholder);
  }
  return {};
}

// Widths and precisions beyond this are taken as this: no text needs more.
constexpr int kMaxFieldSize = 4096;

// Reads a decimal number at Pos; -1 when there is none.
int ReadNumber(std::string_view Text, std::size_t& Pos) {
  if (Pos >= Text.size() || !std::isdigit(static_cast<unsigned char>(Text[Pos])))
    return -1;
  int Value = 0;
  while (Pos < Text.size() && std::isdigit(static_cast<unsigned char>(Text[Pos]))) {
    Value = std::min(Value * 10 + (Text[Pos] - '0'), kMaxFieldSize);
    ++Pos;
  }
  return Value;
}

}  // namespace

std::string Format(std::string_view Pattern, std::initializer_list<TFormatArg> Args) {
  const std::vector<TFormatArg> Arguments(Args);
  std::string Result;
  Result.reserve(Pattern.size() + 16);
  std::size_t NextArg = 0;
  std::size_t Pos = 0;
  while (Pos < Pattern.size()) {
    char C = Pattern[Pos];
    if (C != '%') {
      Result += C;
      ++Pos;
      continue;
    }
    if (Pos + 1 < Pattern.size() && Pattern[Pos + 1] == '%') {
      Result += '%';
      Pos += 2;
      continue;
    }
    std::size_t Cursor = Pos + 1;
    TPlaceholder Placeholder;
    std::size_t ArgIndex = NextArg;
    int Number = ReadNumber(Pattern, Cursor);
    if (Number >= 0 && Cursor < Pattern.size() && Pattern[Cursor] == ':') {
      ArgIndex = static_cast<std::size_t>(Number);
      ++Cursor;
      Number = -1;
    }
    if (Number < 0) {
      if (Cursor < Pattern.size() && Pattern[Cursor] == '-') {
        Placeholder.LeftAlign = true;
        ++Cursor;
      }
      Number = ReadNumber(Pattern, Cursor);
    }
    Placeholder.Width = Number;
    if (Cursor < Pattern.size() && Pattern[Cursor] == '.') {
      ++Cursor;
      Placeholder.Precision = ReadNumber(Pattern, Cursor);
    }
    if (Cursor < Pattern.size()) {
      char Type = static_cast<char>(std::tolower(static_cast<unsigned char>(Pattern[Cursor])));
      if (std::string_view("sduxfneg").find(Type) != std::string_view::npos) {
        Placeholder.Type = Type;
        if (ArgIndex < Arguments.size())
          Result += Render(Arguments[ArgIndex], Placeholder);
        NextArg = ArgIndex + 1;
        Pos = Cursor + 1;
        continue;
      }
    }
    Result += '%';
    ++Pos;
  }
  return Result;
}
