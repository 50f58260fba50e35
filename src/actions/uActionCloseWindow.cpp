#include "actions/uActionCloseWindow.h"

#include "actions/uActionPorts.h"
#include "actions/uActionStrings.h"
#include "actions/uWindowUtils.h"
#include "core/uFormat.h"
#include "core/uPlannerActionsStrings.h"

void TKoActionCloseWindow::InitIdentity() {
  FID = "CloseWindow";
  FName = ResStr(uplanneractions::name_action_closewindow);
  FTerminal = false;
}

void TKoActionCloseWindow::SetDefaults() {
  FConfig = {};
}

void TKoActionCloseWindow::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("WindowTitle", FConfig.WindowTitle);
  Config.WriteInteger("Method", FConfig.Method);
}

void TKoActionCloseWindow::LoadConfig(const TQueryStr& Config) {
  FConfig.WindowTitle = Config.ReadString("WindowTitle");
  FConfig.Method = Config.ReadInteger("Method", FConfig.Method);
}

std::string TKoActionCloseWindow::GetDescription() const {
  const TResString* Pattern = nullptr;
  switch (FConfig.Method) {
    case cwmClose:
      Pattern = &uplanneractions::sactionclosewindowtitle;
      break;
    case cwmQuit:
      Pattern = &uplanneractions::sactionquitwindowtitle;
      break;
    case cwmKill:
      Pattern = &uplanneractions::sactionkillwindowtitle;
      break;
    default:
      return {};
  }
  return Format(ResStr(*Pattern), {FConfig.WindowTitle});
}

bool TKoActionCloseWindow::Execute(TKoActionOutcome&) {
  switch (FConfig.Method) {
    case cwmClose:
      return CloseWindowByTitle(WindowsPort(Services()), FConfig.WindowTitle);
    case cwmQuit:
      return QuitWindowByTitle(WindowsPort(Services()), FConfig.WindowTitle);
    case cwmKill:
      return KillWindowByTitle(WindowsPort(Services()), ProcessesPort(Services()),
                               FConfig.WindowTitle);
    default:
      return false;
  }
}
