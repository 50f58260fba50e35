#include "actions/uActionSessionEnd.h"

#include "actions/uActionPorts.h"
#include "actions/uActionStrings.h"

void TKoActionSessionEnd::SetDefaults() {
  FConfig = {};
}

void TKoActionSessionEnd::SaveConfig(TQueryStr& Config) const {
  Config.WriteBool("Force", FConfig.Force);
}

void TKoActionSessionEnd::LoadConfig(const TQueryStr& Config) {
  FConfig.Force = Config.ReadBool("Force");
}

std::string TKoActionSessionEnd::GetDescription() const {
  return ResStr(FConfig.Force ? uplanneractions::sactionforce : uplanneractions::sactionnotforced);
}

bool TKoActionSessionEnd::Execute(TKoActionOutcome&) {
  return ShutdownSystem(ShutdownPortsOf(Services()), Kind(), FConfig.Force, Comment());
}
