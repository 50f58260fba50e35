#include "actions/uActionSuspend.h"

#include "actions/uActionPorts.h"
#include "actions/uActionStrings.h"
#include "actions/uSuspend.h"

void TKoActionSuspend::SetDefaults() {
  FConfig = {};
}

void TKoActionSuspend::SaveConfig(TQueryStr& Config) const {
  Config.WriteBool("Force", FConfig.Force);
  Config.WriteBool("DisableWakeEvent", FConfig.DisableWakeEvent);
}

void TKoActionSuspend::LoadConfig(const TQueryStr& Config) {
  FConfig.Force = Config.ReadBool("Force");
  FConfig.DisableWakeEvent = Config.ReadBool("DisableWakeEvent");
}

std::string TKoActionSuspend::GetDescription() const {
  std::string Description;
  if (FConfig.Force)
    Description = ResStr(uplanneractions::sactionforcecritical);
  if (FConfig.DisableWakeEvent) {
    if (!Description.empty())
      Description += ", ";
    Description += ResStr(uplanneractions::sactiondisablewakeevent);
  }
  return Description;
}

bool TKoActionSuspend::Execute(TKoActionOutcome&) {
  return SuspendSystem(SystemVersionPort(Services()), PowerSessionPort(Services()), Hibernate(),
                       FConfig.Force, FConfig.DisableWakeEvent);
}
