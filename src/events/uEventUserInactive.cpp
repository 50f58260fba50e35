#include "events/uEventUserInactive.h"

#include "core/uFormat.h"
#include "core/uPlannerEventsStrings.h"
#include "events/uEventStrings.h"
#include "events/uTimeText.h"

void TKoEventUserInactive::InitIdentity() {
  FID = "UserInactive";
  FName = ResStr(uplannerevents::name_event_userinactive);
}

void TKoEventUserInactive::SetDefaults() {
  FTime = 600;
  FMethod = uaeLastInputInfo;
}

void TKoEventUserInactive::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("Time", SecondsToText(FTime));
  Config.WriteInteger("Method", FMethod);
}

void TKoEventUserInactive::LoadConfig(const TQueryStr& Config) {
  FTime = TextToSeconds(Config.ReadString("Time"), 0);
  // Kept as one byte, as older versions stored it.
  FMethod = static_cast<std::uint8_t>(Config.ReadInteger("Method", 0));
}

std::string TKoEventUserInactive::GetDescription() const {
  return Format(ResStr(uplannerevents::seventinactivefortimeusingmethod),
                {SecondsToText(FTime), GetUserActivityEngineName(FMethod)});
}

std::string TKoEventUserInactive::GetStatusText() const {
  if (!Timer().Enabled() || !FInactivityTimer)
    return {};
  return Format(ResStr(uplannerevents::seventinactivefortime),
                {SecondsToText(FInactivityTimer->InactiveSeconds())});
}

void TKoEventUserInactive::DoStart() {
  // A fresh measurement per start: inactivity counts from the start at the earliest. The old one
  // goes first, since it may hold the process's low-level hooks.
  FInactivityTimer.reset();
  FInactivityTimer = std::make_unique<TTimerInactivity>(Services(), FMethod);
  Timer().SetInterval(1000);
  Timer().SetEnabled(true);
}

void TKoEventUserInactive::DoStop() {
  FInactivityTimer.reset();
}

void TKoEventUserInactive::TimerTick() {
  if (FInactivityTimer)
    SetTriggered(FInactivityTimer->InactiveSeconds() >= static_cast<std::uint32_t>(FTime));
}
