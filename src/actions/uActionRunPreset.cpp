#include "actions/uActionRunPreset.h"

#include "actions/uActionPorts.h"
#include "actions/uActionStrings.h"
#include "actions/uProcessLauncher.h"
#include "core/uFormat.h"
#include "core/uPlannerActionsStrings.h"

void TKoActionRunPreset::InitIdentity() {
  FID = "RunPreset";
  FName = ResStr(uplanneractions::name_action_runpreset);
}

void TKoActionRunPreset::SetDefaults() {
  SetConfig({});
}

void TKoActionRunPreset::SetConfig(const TConfig& Config) {
  FConfig = Config;
  UpdateTerminal();
}

void TKoActionRunPreset::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("PresetName", FConfig.PresetName);
  Config.WriteBool("RunInNewInstance", FConfig.RunInNewInstance);
  Config.WriteBool("WaitForNewInstanceToExit", FConfig.WaitForNewInstanceToExit);
}

void TKoActionRunPreset::LoadConfig(const TQueryStr& Config) {
  FConfig.PresetName = Config.ReadString("PresetName");
  FConfig.RunInNewInstance = Config.ReadBool("RunInNewInstance");
  FConfig.WaitForNewInstanceToExit = Config.ReadBool("WaitForNewInstanceToExit");
  UpdateTerminal();
}

std::string TKoActionRunPreset::GetDescription() const {
  std::string Description =
      Format(ResStr(uplanneractions::sactionrunpresetname), {FConfig.PresetName});
  if (FConfig.RunInNewInstance) {
    Description += ' ';
    Description +=
        ResStr(FConfig.WaitForNewInstanceToExit ? uplanneractions::sactionoptionnewinstanceandwait
                                                : uplanneractions::sactionoptionnewinstance);
  }
  return Description;
}

bool TKoActionRunPreset::Execute(TKoActionOutcome& Outcome) {
  if (!FConfig.RunInNewInstance) {
    // The planner stops, loads the preset and starts again; loading failures are its to report.
    Outcome = kaoRunPreset;
    return true;
  }
  TProcessSystem& Processes = ProcessesPort(Services());
  return StartProgram(Processes, Processes.ExecutablePath(), "",
                      {kPresetSwitch, FConfig.PresetName}, FConfig.WaitForNewInstanceToExit) == 0;
}
