#include "platform/sim/uSimLocale.h"

std::string TSimLocale::FormatShortDate(TDateTime Date) {
  const std::chrono::year_month_day Day{std::chrono::floor<std::chrono::days>(Date)};
  return std::to_string(static_cast<unsigned>(Day.month())) + "/" +
         std::to_string(static_cast<unsigned>(Day.day())) + "/" +
         std::to_string(static_cast<int>(Day.year()));
}
