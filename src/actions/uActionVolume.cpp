#include "actions/uActionVolume.h"

#include "actions/uActionPorts.h"
#include "actions/uDisplayActionsStrings.h"
#include "actions/uMasterVolume.h"
#include "core/uPlannerActionsStrings.h"

void TKoActionVolume::InitIdentity() {
  FID = "Volume";
  FName = ResStr(uplanneractions::name_action_volume);
}

void TKoActionVolume::SetDefaults() {
  FConfig = {};
}

void TKoActionVolume::SaveConfig(TQueryStr& Config) const {
  Config.WriteBool("Mute", FConfig.Mute);
}

void TKoActionVolume::LoadConfig(const TQueryStr& Config) {
  FConfig.Mute = Config.ReadBool("Mute");
}

std::string TKoActionVolume::GetDescription() const {
  return ResStr(FConfig.Mute ? uplanneractions::sactionmutemastervolume
                             : uplanneractions::sactionunmutemastervolume);
}

bool TKoActionVolume::Execute(TKoActionOutcome&) {
  return SetMasterMute(SystemVersionPort(Services()), AudioVolumePort(Services()), FConfig.Mute);
}
