#include "events/uEventOnTime.h"

#include "core/uFormat.h"
#include "core/uPlannerEventsStrings.h"
#include "events/uTimeText.h"
#include "platform/uLocale.h"

void TKoEventOnTime::InitIdentity() {
  FID = "OnTime";
  FName = ResStr(uplannerevents::name_event_ontime);
}

void TKoEventOnTime::SetDefaults() {
  FTime = std::chrono::milliseconds(0);
  FDate = DateOf(Now());
  FUseDate = false;
}

void TKoEventOnTime::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("Time", TimeToText(FTime));
  Config.WriteString("Date", DateToText(FDate));
  Config.WriteBool("UseDate", FUseDate);
}

void TKoEventOnTime::LoadConfig(const TQueryStr& Config) {
  FTime = TextToTime(Config.ReadString("Time"), std::chrono::milliseconds(0));
  FDate = TextToDate(Config.ReadString("Date"), DateOf(Now()));
  FUseDate = Config.ReadBool("UseDate");
}

std::string TKoEventOnTime::GetDescription() const {
  if (!FUseDate)
    return Format(ResStr(uplannerevents::seventattime), {TimeToText(FTime)});
  TLocale* Locale = Services().Locale;
  const std::string Date = Locale ? Locale->FormatShortDate(FDate) : DateToText(FDate);
  return Format(ResStr(uplannerevents::seventattimeanddate), {TimeToText(FTime), Date});
}

TDateTime TKoEventOnTime::ComputeTarget(TDateTime Now) const {
  // A date in the past fires at the first tick.
  if (FUseDate)
    return FDate + FTime;
  TDateTime Target = DateOf(Now) + FTime;
  if (Target < Now)
    Target += std::chrono::days(1);
  return Target;
}
