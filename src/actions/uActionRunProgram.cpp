#include "actions/uActionRunProgram.h"

#include "actions/uActionPorts.h"
#include "actions/uActionStrings.h"
#include "actions/uProcessLauncher.h"
#include "core/uPlannerActionsStrings.h"

void TKoActionRunProgram::InitIdentity() {
  FID = "RunProgram";
  FName = ResStr(uplanneractions::name_action_runprogram);
  FTerminal = false;
}

void TKoActionRunProgram::SetDefaults() {
  FConfig = {};
}

void TKoActionRunProgram::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("Command", FConfig.Command);
  Config.WriteString("WorkingDirectory", FConfig.WorkingDirectory);
  Config.WriteBool("Wait", FConfig.Wait);
}

void TKoActionRunProgram::LoadConfig(const TQueryStr& Config) {
  FConfig.Command = Config.ReadString("Command");
  FConfig.WorkingDirectory = Config.ReadString("WorkingDirectory");
  FConfig.Wait = Config.ReadBool("Wait");
}

std::string TKoActionRunProgram::GetDescription() const {
  if (!FConfig.Wait)
    return FConfig.Command;
  return FConfig.Command + " " + ResStr(uplanneractions::sactionoptionwait);
}

bool TKoActionRunProgram::Execute(TKoActionOutcome&) {
  return StartCommandLine(ProcessesPort(Services()), FConfig.Command, FConfig.WorkingDirectory,
                          FConfig.Wait) == 0;
}
