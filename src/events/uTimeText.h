#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/uDateTime.h"

// The text forms of durations, times of day, dates and weekday sets, in configuration values and
// status lines.

// Hours (unpadded, may exceed 23), minutes and seconds: 600 gives 0:10:00.
std::string SecondsToText(std::int64_t Seconds);
// "h:m:s" with exactly three parts; a part that is not a number counts as 0; any other number of
// parts gives Default. Results beyond the 32-bit range are clamped to it.
int TextToSeconds(std::string_view Text, int Default);

// The same layout for a time of day; milliseconds are dropped.
std::string TimeToText(std::chrono::milliseconds TimeOfDay);
// Three numbers forming a valid time (0-23, 0-59, 0-59), else Default.
std::chrono::milliseconds TextToTime(std::string_view Text, std::chrono::milliseconds Default);

// "YYYY-MM-DD".
std::string DateToText(TDateTime Date);
// Year, month and day joined by "-" forming a valid date, else Default.
TDateTime TextToDate(std::string_view Text, TDateTime Default);

// Selected weekdays, Monday first.
using TWeekDays = std::array<bool, 7>;
// Seven "1" or "0" joined by ",": 1,1,1,1,1,0,0 is Monday to Friday.
std::string WeekDaysToText(const TWeekDays& Days);
// Reads the characters at the 1st, 3rd, ... 13th places of the trimmed text; only "1" selects a
// day, and a text that ends early leaves the remaining days unselected.
TWeekDays TextToWeekDays(std::string_view Text);

// Monday = 1 ... Sunday = 7.
int DayOfTheWeek(TDateTime Moment);
// "Monday" ... "Sunday" in the current language.
std::string WeekDayLongName(int DayOfWeek);
