#pragma once

#include "platform/uLocale.h"

// The user's own formats, as the control panel sets them.
class TWin32Locale : public TLocale {
 public:
  std::string FormatShortDate(TDateTime Date) override;
  std::string FormatLongDate(TDateTime Date) override;
  std::string FormatLongTime(TDateTime Moment) override;
  TNumberSeparators NumberSeparators() override;
};
