#include "platform/sim/uSimLocale.h"

std::string TSimLocale::FormatShortDate(TDateTime Date) {
  const std::chrono::year_month_day Day{std::chrono::floor<std::chrono::days>(Date)};
  return std::to_string(static_cast<unsigned>(Day.month())) + "/" +
         std::to_string(static_cast<unsigned>(Day.day())) + "/" +
         std::to_string(static_cast<int>(Day.year()));
}

std::string TSimLocale::FormatLongDate(TDateTime Date) {
  static const char* const Weekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
  static const char* const Months[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};
  const auto Days = std::chrono::floor<std::chrono::days>(Date);
  const std::chrono::year_month_day Day{Days};
  const std::chrono::weekday Weekday{std::chrono::sys_days{Days.time_since_epoch()}};
  return std::string(Weekdays[Weekday.c_encoding()]) + ", " +
         Months[static_cast<unsigned>(Day.month()) - 1] + " " +
         std::to_string(static_cast<unsigned>(Day.day())) + ", " +
         std::to_string(static_cast<int>(Day.year()));
}

std::string TSimLocale::FormatLongTime(TDateTime Moment) {
  const auto Seconds = std::chrono::duration_cast<std::chrono::seconds>(TimeOf(Moment)).count();
  const long long Hour = Seconds / 3600;
  const long long Hour12 = Hour % 12 == 0 ? 12 : Hour % 12;
  auto TwoDigits = [](long long Value) { return (Value < 10 ? "0" : "") + std::to_string(Value); };
  return std::to_string(Hour12) + ":" + TwoDigits(Seconds / 60 % 60) + ":" +
         TwoDigits(Seconds % 60) + (Hour < 12 ? " AM" : " PM");
}
