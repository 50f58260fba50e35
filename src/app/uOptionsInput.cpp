#include "app/uOptionsInput.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr char32_t kBackspace = 8;
constexpr std::uint16_t kDefaultPort = 80;

bool IsDigit(char Character) {
  return Character >= '0' && Character <= '9';
}

bool IsAddressPart(std::string_view Part) {
  if (Part.empty() || Part.size() > 3 || !std::all_of(Part.begin(), Part.end(), IsDigit))
    return false;
  if (Part.size() > 1 && Part.front() == '0')
    return false;
  int Value = 0;
  for (char Digit : Part)
    Value = Value * 10 + (Digit - '0');
  return Value <= 255;
}

}  // namespace

bool IsIPAddressCorrect(std::string_view Text) {
  if (Text.size() < 7 || Text.size() > 15)
    return false;
  int Parts = 0;
  std::size_t Start = 0;
  while (true) {
    const std::size_t Dot = Text.find('.', Start);
    const std::string_view Part =
        Text.substr(Start, Dot == std::string_view::npos ? std::string_view::npos : Dot - Start);
    if (!IsAddressPart(Part) || ++Parts > 4)
      return false;
    if (Dot == std::string_view::npos)
      break;
    Start = Dot + 1;
  }
  return Parts == 4;
}

std::optional<std::uint16_t> PortFromText(std::string_view Text) {
  if (Text.empty() || !std::all_of(Text.begin(), Text.end(), IsDigit))
    return kDefaultPort;
  const std::size_t FirstSignificant = std::min(Text.find_first_not_of('0'), Text.size());
  const std::string_view Digits = Text.substr(FirstSignificant);
  if (Digits.empty() || Digits.size() > 5)
    return std::nullopt;
  std::uint32_t Value = 0;
  for (char Digit : Digits)
    Value = Value * 10 + static_cast<std::uint32_t>(Digit - '0');
  if (Value > 0xFFFF)
    return std::nullopt;
  return static_cast<std::uint16_t>(Value);
}

bool AcceptsPortCharacter(char32_t Character) {
  return (Character >= U'0' && Character <= U'9') || Character == kBackspace;
}

bool AcceptsIPAddressCharacter(char32_t Character) {
  return AcceptsPortCharacter(Character) || Character == U'.';
}
