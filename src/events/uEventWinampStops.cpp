#include "events/uEventWinampStops.h"

#include <algorithm>

#include "core/uFormat.h"
#include "core/uPlannerEventsStrings.h"
#include "events/uEventPorts.h"
#include "events/uEventStrings.h"
#include "events/uEventWatch.h"
#include "events/uTimeText.h"
#include "events/uWinamp.h"

void TKoEventWinampStops::InitIdentity() {
  FID = "WinampStops";
  FName = ResStr(uplannerevents::name_event_winampstops);
}

void TKoEventWinampStops::SetDefaults() {
  FConfig = {};
}

void TKoEventWinampStops::SaveConfig(TQueryStr& Config) const {
  Config.WriteInteger("Seconds", FConfig.Seconds);
}

void TKoEventWinampStops::LoadConfig(const TQueryStr& Config) {
  FConfig.Seconds = Config.ReadInteger("Seconds");
}

std::string TKoEventWinampStops::GetDescription() const {
  return Format(ResStr(uplannerevents::seventcheckeverynumseconds), {FConfig.Seconds});
}

std::string TKoEventWinampStops::GetStatusText() const {
  if (!Timer().Enabled())
    return {};
  return Format(ResStr(uplannerevents::seventwaitedfor), {SecondsToText(Timer().Elapsed() / 1000)});
}

void TKoEventWinampStops::DoStart() {
  RequireEventPort(Services().Windows);
  FConfig.Seconds = std::clamp(FConfig.Seconds, 1, TKoEventWatch::kLongestInterval);
  Timer().SetInterval(static_cast<std::uint32_t>(FConfig.Seconds) * 1000);
  Timer().SetEnabled(true);
}

void TKoEventWinampStops::TimerTick() {
  // A player that does not answer leaves the level as it was: it may well still be playing.
  if (const auto Busy = IsWinampBusy(RequireEventPort(Services().Windows)))
    SetTriggered(!*Busy);
}
