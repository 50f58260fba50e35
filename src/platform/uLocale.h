#pragma once

#include <string>

#include "core/uDateTime.h"

// How the user writes numbers: the separator of thousands and the decimal separator.
struct TNumberSeparators {
  std::string Thousand = ",";
  std::string Decimal = ".";
};

// The user's regional formats.
class TLocale {
 public:
  virtual ~TLocale() = default;
  // The date in the user's short date format (for example 12/31/2026 or 31.12.2026).
  virtual std::string FormatShortDate(TDateTime Date) = 0;
  // The separators of the user's number format; English (United States) ones unless overridden.
  virtual TNumberSeparators NumberSeparators() { return {}; }
  // The date in the user's long date format (for example Thursday, December 31, 2026).
  virtual std::string FormatLongDate(TDateTime Date) = 0;
  // The time of day in the user's long time format, seconds included (for example 9:05:07 PM).
  virtual std::string FormatLongTime(TDateTime Moment) = 0;
};
