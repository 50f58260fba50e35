#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// One argument of Format: text, a whole number or a real number.
class TFormatArg {
 public:
  TFormatArg(std::string_view Value) : FValue(std::string(Value)) {}
  TFormatArg(const std::string& Value) : FValue(Value) {}
  TFormatArg(const char* Value) : FValue(std::string(Value ? Value : "")) {}
  TFormatArg(int Value) : FValue(static_cast<std::int64_t>(Value)) {}
  TFormatArg(long Value) : FValue(static_cast<std::int64_t>(Value)) {}
  TFormatArg(long long Value) : FValue(static_cast<std::int64_t>(Value)) {}
  TFormatArg(unsigned Value) : FValue(static_cast<std::int64_t>(Value)) {}
  TFormatArg(unsigned long Value) : FValue(static_cast<std::int64_t>(Value)) {}
  TFormatArg(unsigned long long Value) : FValue(static_cast<std::int64_t>(Value)) {}
  TFormatArg(double Value) : FValue(Value) {}

  std::string AsText() const;
  std::int64_t AsInteger() const;
  double AsReal() const;

 private:
  std::variant<std::string, std::int64_t, double> FValue;
};

// Fills a resource-string pattern the way translators know it: %s, %d, %u, %x, %f, %g and %e,
// with optional "index:", "-", width and ".precision", and %% for a percent sign. Patterns come
// from translation files too, so a malformed specifier is copied as it stands and a missing
// argument reads as empty: formatting never fails.
std::string Format(std::string_view Pattern, std::initializer_list<TFormatArg> Args);
