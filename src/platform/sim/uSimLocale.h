#pragma once

#include "platform/uLocale.h"

// Dates and times as an English (United States) desktop shows them: short dates as
// month/day/year without padding, long dates as "Thursday, December 31, 2026", long times as
// "9:05:07 PM".
class TSimLocale : public TLocale {
 public:
  std::string FormatShortDate(TDateTime Date) override;
  TNumberSeparators NumberSeparators() override { return Separators; }

  TNumberSeparators Separators;  // tests set other ones
  std::string FormatLongDate(TDateTime Date) override;
  std::string FormatLongTime(TDateTime Moment) override;
};
