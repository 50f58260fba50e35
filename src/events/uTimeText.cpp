#include "events/uTimeText.h"

#include <cstdio>
#include <limits>

#include "core/uPlannerEventsStrings.h"
#include "core/uStringUtils.h"

namespace {

std::string HoursMinutesSeconds(std::uint64_t TotalSeconds) {
  char Buffer[48];
  std::snprintf(
      Buffer, sizeof Buffer, "%llu:%02u:%02u", static_cast<unsigned long long>(TotalSeconds / 3600),
      static_cast<unsigned>(TotalSeconds % 3600 / 60), static_cast<unsigned>(TotalSeconds % 60));
  return Buffer;
}

}  // namespace

std::string SecondsToText(std::int64_t Seconds) {
  if (Seconds < 0) {
    std::string Text = HoursMinutesSeconds(0 - static_cast<std::uint64_t>(Seconds));
    Text.insert(Text.begin(), '-');
    return Text;
  }
  return HoursMinutesSeconds(static_cast<std::uint64_t>(Seconds));
}

int TextToSeconds(std::string_view Text, int Default) {
  auto Parts = SplitText(Text, ':');
  if (Parts.size() != 3)
    return Default;
  std::int64_t Total = std::int64_t{TextToIntDef(Parts[0], 0)} * 3600 +
                       std::int64_t{TextToIntDef(Parts[1], 0)} * 60 + TextToIntDef(Parts[2], 0);
  if (Total > std::numeric_limits<int>::max())
    return std::numeric_limits<int>::max();
  if (Total < std::numeric_limits<int>::min())
    return std::numeric_limits<int>::min();
  return static_cast<int>(Total);
}

std::string TimeToText(std::chrono::milliseconds TimeOfDay) {
  return SecondsToText(std::chrono::floor<std::chrono::seconds>(TimeOfDay).count());
}

std::chrono::milliseconds TextToTime(std::string_view Text, std::chrono::milliseconds Default) {
  auto Parts = SplitText(Text, ':');
  if (Parts.size() != 3)
    return Default;
  int Hour, Minute, Second;
  if (!TryTextToInt(Parts[0], Hour) || !TryTextToInt(Parts[1], Minute) ||
      !TryTextToInt(Parts[2], Second))
    return Default;
  if (Hour < 0 || Hour > 23 || Minute < 0 || Minute > 59 || Second < 0 || Second > 59)
    return Default;
  return std::chrono::hours(Hour) + std::chrono::minutes(Minute) + std::chrono::seconds(Second);
}

std::string DateToText(TDateTime Date) {
  const std::chrono::year_month_day Day{std::chrono::floor<std::chrono::days>(Date)};
  char Buffer[32];
  std::snprintf(Buffer, sizeof Buffer, "%04d-%02u-%02u", static_cast<int>(Day.year()),
                static_cast<unsigned>(Day.month()), static_cast<unsigned>(Day.day()));
  return Buffer;
}

TDateTime TextToDate(std::string_view Text, TDateTime Default) {
  auto Parts = SplitText(Text, '-');
  if (Parts.size() != 3)
    return Default;
  int Year, Month, Day;
  if (!TryTextToInt(Parts[0], Year) || !TryTextToInt(Parts[1], Month) ||
      !TryTextToInt(Parts[2], Day))
    return Default;
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > 31)
    return Default;
  const std::chrono::year_month_day Date{std::chrono::year{Year},
                                         std::chrono::month{static_cast<unsigned>(Month)},
                                         std::chrono::day{static_cast<unsigned>(Day)}};
  if (!Date.ok())
    return Default;
  return TDateTime{std::chrono::local_days{Date}};
}

std::string WeekDaysToText(const TWeekDays& Days) {
  std::string Text;
  for (std::size_t I = 0; I < Days.size(); ++I) {
    if (I > 0)
      Text += ',';
    Text += Days[I] ? '1' : '0';
  }
  return Text;
}

TWeekDays TextToWeekDays(std::string_view Text) {
  Text = TrimBlanks(Text);
  TWeekDays Days{};
  for (std::size_t I = 0; I < Days.size(); ++I) {
    const std::size_t Place = I * 2;
    if (Place >= Text.size())
      break;
    Days[I] = Text[Place] == '1';
  }
  return Days;
}

int DayOfTheWeek(TDateTime Moment) {
  const std::chrono::weekday Day{std::chrono::floor<std::chrono::days>(Moment)};
  return static_cast<int>(Day.iso_encoding());
}

std::string WeekDayLongName(int DayOfWeek) {
  static constexpr const TResString* kNames[] = {
      &uplannerevents::sweekdaylongmon, &uplannerevents::sweekdaylongtue,
      &uplannerevents::sweekdaylongwed, &uplannerevents::sweekdaylongthu,
      &uplannerevents::sweekdaylongfri, &uplannerevents::sweekdaylongsat,
      &uplannerevents::sweekdaylongsun};
  if (DayOfWeek < 1 || DayOfWeek > 7)
    return {};
  return ResStr(*kNames[DayOfWeek - 1]);
}
