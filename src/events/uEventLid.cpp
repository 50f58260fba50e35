#include "events/uEventLid.h"

#include "core/uPlannerEventsStrings.h"
#include "events/uEventStrings.h"

void TKoEventLid::InitIdentity() {
  FID = "Lid";
  FName = ResStr(uplannerevents::name_event_lid);
  FPowerMonitor = std::make_unique<TPowerEventMonitor>(Services());
  FPowerMonitor->OnNotify = [this](TPowerEventMonitor&, TPowerEventKind Kind) {
    PowerNotify(Kind);
  };
}

void TKoEventLid::SetDefaults() {
  FCloses = true;
}

void TKoEventLid::SaveConfig(TQueryStr& Config) const {
  Config.WriteBool("Closes", FCloses);
}

void TKoEventLid::LoadConfig(const TQueryStr& Config) {
  FCloses = Config.ReadBool("Closes");
}

std::string TKoEventLid::GetDescription() const {
  return ResStr(FCloses ? uplannerevents::seventcloses : uplannerevents::seventopens);
}

std::string TKoEventLid::GetStatusText() const {
  if (!Active())
    return {};
  return ResStr(FPowerMonitor->Active() ? uplannerevents::seventwaiting
                                        : uplannerevents::seventnotworking);
}

void TKoEventLid::DoStart() {
  FPowerMonitor->Start(pmfLid);
}

void TKoEventLid::DoStop() {
  FPowerMonitor->Stop();
}

void TKoEventLid::PowerNotify(TPowerEventKind Kind) {
  switch (Kind) {
    case pekLidOpened:
      SetTriggered(!FCloses);
      break;
    case pekLidClosed:
      SetTriggered(FCloses);
      break;
    default:
      break;
  }
}
