#include "actions/uActionKillProcess.h"

#include "actions/uActionPorts.h"
#include "actions/uProcessList.h"
#include "core/uPlannerActionsStrings.h"

void TKoActionKillProcess::InitIdentity() {
  FID = "KillProcess";
  FName = ResStr(uplanneractions::name_action_killprocess);
  FTerminal = false;
}

void TKoActionKillProcess::SetDefaults() {
  FConfig = {};
}

void TKoActionKillProcess::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("ProcessName", FConfig.ProcessName);
}

void TKoActionKillProcess::LoadConfig(const TQueryStr& Config) {
  FConfig.ProcessName = Config.ReadString("ProcessName");
}

std::string TKoActionKillProcess::GetDescription() const {
  return '"' + FConfig.ProcessName + '"';
}

bool TKoActionKillProcess::Execute(TKoActionOutcome&) {
  return KillProcessesByName(ProcessesPort(Services()), FConfig.ProcessName) > 0;
}
