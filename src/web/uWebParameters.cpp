#include "web/uWebParameters.h"

void TWebParameters::SetValue(std::string_view Name, std::string_view Value) {
  for (auto& Item : FItems) {
    if (Item.first == Name) {
      Item.second.assign(Value);
      return;
    }
  }
  FItems.emplace_back(std::string(Name), std::string(Value));
}

bool TWebParameters::TryGetValue(std::string_view Name, std::string& Value) const {
  for (const auto& Item : FItems) {
    if (Item.first == Name) {
      Value = Item.second;
      return true;
    }
  }
  Value.clear();
  return false;
}

namespace {

int HexDigit(char C) {
  if (C >= '0' && C <= '9')
    return C - '0';
  if (C >= 'a' && C <= 'f')
    return C - 'a' + 10;
  if (C >= 'A' && C <= 'F')
    return C - 'A' + 10;
  return -1;
}

}  // namespace

std::string DecodeQueryComponent(std::string_view Text) {
  std::string Result;
  Result.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size(); ++I) {
    const char C = Text[I];
    if (C == '+') {
      Result += ' ';
    } else if (C == '%' && I + 2 < Text.size() && HexDigit(Text[I + 1]) >= 0 &&
               HexDigit(Text[I + 2]) >= 0) {
      Result += static_cast<char>(HexDigit(Text[I + 1]) * 16 + HexDigit(Text[I + 2]));
      I += 2;
    } else {
      Result += C;
    }
  }
  return Result;
}

void ParseQueryString(std::string_view Query, TWebParameters& Target) {
  // Pieces start at every character after an "&": a leading or doubled "&" gives an empty
  // piece, the end of the text does not.
  std::size_t Start = 0;
  while (Start < Query.size()) {
    std::size_t End = Query.find('&', Start);
    if (End == std::string_view::npos)
      End = Query.size();
    const std::string_view Piece = Query.substr(Start, End - Start);
    const std::size_t Equals = Piece.find('=');
    const std::string_view Name = Piece.substr(0, Equals);
    const std::string_view Value =
        Equals == std::string_view::npos ? std::string_view() : Piece.substr(Equals + 1);
    Target.SetValue(DecodeQueryComponent(Name), DecodeQueryComponent(Value));
    Start = End + 1;
  }
}
