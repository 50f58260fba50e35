#pragma once

#include <string>

#include "core/uDateTime.h"

// The user's regional formats.
class TLocale {
 public:
  virtual ~TLocale() = default;
  // The date in the user's short date format (for example 12/31/2026 or 31.12.2026).
  virtual std::string FormatShortDate(TDateTime Date) = 0;
};
