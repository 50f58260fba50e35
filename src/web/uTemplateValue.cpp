#include "web/uTemplateValue.h"

#include <cstdio>

namespace {

bool IsFalseText(const std::string& Text) {
  if (Text.empty() || Text == "0")
    return true;
  constexpr std::string_view False = "false";
  if (Text.size() != False.size())
    return false;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    char C = Text[I];
    if (C >= 'A' && C <= 'Z')
      C = static_cast<char>(C - 'A' + 'a');
    if (C != False[I])
      return false;
  }
  return true;
}

}  // namespace

std::string TemplateValueToString(const TTemplateValue& Value) {
  if (auto Text = std::get_if<std::string>(&Value))
    return *Text;
  if (auto Flag = std::get_if<bool>(&Value))
    return *Flag ? "True" : "False";
  if (auto Whole = std::get_if<std::int64_t>(&Value))
    return std::to_string(*Whole);
  char Buffer[40];
  std::snprintf(Buffer, sizeof Buffer, "%.15g", std::get<double>(Value));
  return Buffer;
}

bool TemplateValueToBoolean(const TTemplateValue& Value) {
  if (auto Text = std::get_if<std::string>(&Value))
    return !IsFalseText(*Text);
  if (auto Flag = std::get_if<bool>(&Value))
    return *Flag;
  if (auto Whole = std::get_if<std::int64_t>(&Value))
    return *Whole != 0;
  return std::get<double>(Value) != 0.0;
}
