#include "events/uEventWeekly.h"

#include <algorithm>

#include "core/uFormat.h"
#include "core/uPlannerEventsStrings.h"

void TKoEventWeekly::InitIdentity() {
  FID = "Weekly";
  FName = ResStr(uplannerevents::name_event_weekly);
}

void TKoEventWeekly::SetDefaults() {
  FTime = std::chrono::milliseconds(0);
  FWeekDays = {};
}

void TKoEventWeekly::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("Time", TimeToText(FTime));
  Config.WriteString("WeekDays", WeekDaysToText(FWeekDays));
}

void TKoEventWeekly::LoadConfig(const TQueryStr& Config) {
  FTime = TextToTime(Config.ReadString("Time"), std::chrono::milliseconds(0));
  FWeekDays = TextToWeekDays(Config.ReadString("WeekDays"));
}

std::string TKoEventWeekly::GetDescription() const {
  std::string Text = Format(ResStr(uplannerevents::seventattime), {TimeToText(FTime)});
  const auto Selected = std::count(FWeekDays.begin(), FWeekDays.end(), true);
  if (Selected == 0 || Selected == 7)
    return Text;
  std::string Days;
  for (int Day = 1; Day <= 7; ++Day) {
    if (!FWeekDays[static_cast<std::size_t>(Day - 1)])
      continue;
    if (!Days.empty())
      Days += ',';
    Days += WeekDayLongName(Day);
  }
  return Text + " " + Days;
}

TDateTime TKoEventWeekly::ComputeTarget(TDateTime Now) const {
  const bool AnyDay =
      std::none_of(FWeekDays.begin(), FWeekDays.end(), [](bool Day) { return Day; });
  // Always strictly later than now: started exactly at its time, it fires a week (or a selected
  // day) later.
  TDateTime Candidate = DateOf(Now) + FTime;
  for (;;) {
    const bool Selected =
        AnyDay || FWeekDays[static_cast<std::size_t>(DayOfTheWeek(Candidate) - 1)];
    if (Selected && Now < Candidate)
      return Candidate;
    Candidate += std::chrono::days(1);
  }
}
