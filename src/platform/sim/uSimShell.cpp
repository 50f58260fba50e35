#include "platform/sim/uSimShell.h"

#include "platform/sim/uSimMachine.h"

std::intptr_t TSimShell::ShellExecuteOpen(const std::string& File) {
  FMachine.Record("ShellExecuteW open \"" + File + "\"");
  return FMachine.ShellExecuteValue;
}

std::string TSimShell::SystemErrorText(std::uint32_t Code) {
  auto It = FMachine.ErrorTexts.find(Code);
  return It == FMachine.ErrorTexts.end() ? "Error " + std::to_string(Code) : It->second;
}

std::optional<std::string> TSimShell::MinimizeAll() {
  FMachine.Record("Shell.Application MinimizeAll");
  return FMachine.MinimizeAllFailure;
}

bool TSimShell::CreateShortcut(const TShortcutSpec& Shortcut) {
  FMachine.Record("CreateShortcut \"" + Shortcut.LinkFile + "\"");
  if (!FMachine.ShortcutSaves)
    return false;
  FMachine.Shortcuts.push_back(Shortcut);
  return true;
}
