#pragma once

#include "platform/uLocale.h"

class TWin32Locale : public TLocale {
 public:
  std::string FormatShortDate(TDateTime Date) override;
  TNumberSeparators NumberSeparators() override;
};
