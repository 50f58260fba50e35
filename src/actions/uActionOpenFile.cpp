#include "actions/uActionOpenFile.h"

#include "actions/uActionPorts.h"
#include "actions/uFileNames.h"
#include "actions/uShellUtils.h"
#include "core/uPlannerActionsStrings.h"
#include "core/uStringUtils.h"

namespace {

bool IsAddress(const std::string& Text) {
  return Text.find("://") != std::string::npos || SameText(Text.substr(0, 7), "mailto:");
}

}  // namespace

void TKoActionOpenFile::InitIdentity() {
  FID = "OpenFile";
  FName = ResStr(uplanneractions::name_action_openfile);
  FTerminal = false;
}

void TKoActionOpenFile::SetDefaults() {
  FConfig = {};
}

void TKoActionOpenFile::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("FileName", FConfig.FileName);
}

void TKoActionOpenFile::LoadConfig(const TQueryStr& Config) {
  FConfig.FileName = Config.ReadString("FileName");
}

std::string TKoActionOpenFile::GetDescription() const {
  if (IsAddress(FConfig.FileName))
    return FConfig.FileName;
  return std::string(FileNamePart(FConfig.FileName));
}

bool TKoActionOpenFile::Execute(TKoActionOutcome&) {
  return ShellOpen(ShellPort(Services()), FConfig.FileName);
}
