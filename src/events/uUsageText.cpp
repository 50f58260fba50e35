#include "events/uUsageText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/uFormat.h"
#include "events/uEventStrings.h"

namespace {

std::string GroupThousands(const std::string& Digits, const std::string& Separator) {
  std::string Grouped;
  for (std::size_t I = 0; I < Digits.size(); ++I) {
    if (I > 0 && (Digits.size() - I) % 3 == 0)
      Grouped += Separator;
    Grouped += Digits[I];
  }
  return Grouped;
}

}  // namespace

std::string FormatGroupedNumber(long double Value, int Decimals,
                                const TNumberSeparators& Separators) {
  if (!std::isfinite(Value) || Value < 0)
    return "--";
  long double Scale = 1;
  for (int I = 0; I < Decimals; ++I)
    Scale *= 10;
  const long double Scaled = std::round(Value * Scale);
  // The scaled value is whole, so its digits are printed without a second rounding.
  std::string Digits;
  if (Scaled < 1e18L) {
    Digits = std::to_string(static_cast<std::uint64_t>(Scaled));
  } else {
    char Buffer[400];
    std::snprintf(Buffer, sizeof Buffer, "%.0f", static_cast<double>(Scaled));
    Digits = Buffer;
  }
  if (Digits.size() <= static_cast<std::size_t>(Decimals))
    Digits.insert(0, static_cast<std::size_t>(Decimals) + 1 - Digits.size(), '0');
  const std::size_t WholeLength = Digits.size() - static_cast<std::size_t>(Decimals);
  std::string Text = GroupThousands(Digits.substr(0, WholeLength), Separators.Thousand);
  if (Decimals > 0)
    Text += Separators.Decimal + Digits.substr(WholeLength);
  return Text;
}

std::string UsageDescription(const TResString& Pattern, const std::string& Limit, int Seconds,
                             bool UseAverage) {
  std::string Text = Format(ResStr(Pattern), {Limit, std::to_string(Seconds)});
  if (UseAverage) {
    Text += ' ';
    Text += ResStr(uplannerevents::seventaverageinbrackets);
  }
  return Text;
}

std::string SpeedLimitText(int Usage) {
  return std::to_string(Usage) + " " + ResStr(uplannerevents::seventspeedkbpersecond);
}

std::string UsageStatus(const std::string& Value, int Counter) {
  return Format(ResStr(uplannerevents::seventusageoutsidefornumseconds),
                {Value, std::to_string(Counter)});
}

std::string RateStatusValue(long double Rate, int Decimals, TLocale* Locale) {
  if (!std::isfinite(Rate) || Rate < 0)
    return "--";
  const TNumberSeparators Separators = Locale ? Locale->NumberSeparators() : TNumberSeparators{};
  return FormatGroupedNumber(Rate, Decimals, Separators) + " " +
         ResStr(uplannerevents::seventspeedkbpersecond);
}
