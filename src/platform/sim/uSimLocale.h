#pragma once

#include "platform/uLocale.h"

// Short dates as month/day/year without padding, as an English (United States) desktop shows them.
class TSimLocale : public TLocale {
 public:
  std::string FormatShortDate(TDateTime Date) override;
  TNumberSeparators NumberSeparators() override { return Separators; }

  TNumberSeparators Separators;  // tests set other ones
};
