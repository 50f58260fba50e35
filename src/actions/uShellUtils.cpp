#include "actions/uShellUtils.h"

#include "actions/uActionStrings.h"
#include "core/uFormat.h"

namespace {

// Above this, ShellExecute's value is an instance handle and means success.
constexpr std::intptr_t kShellExecuteLastError = 32;

}  // namespace

bool ShellOpen(TShell& Shell, const std::string& File) {
  return Shell.ShellExecuteOpen(File) > kShellExecuteLastError;
}

std::uint32_t ShellExecuteErrorCode(std::intptr_t Value) {
  constexpr std::uint32_t ERROR_NOT_ENOUGH_MEMORY_CODE = 8;
  constexpr std::uint32_t ERROR_SHARING_VIOLATION_CODE = 32;
  constexpr std::uint32_t ERROR_NO_ASSOCIATION_CODE = 1155;
  constexpr std::uint32_t ERROR_DDE_FAIL_CODE = 1156;
  constexpr std::uint32_t ERROR_DLL_NOT_FOUND_CODE = 1157;
  switch (Value) {
    case 0:
      return ERROR_NOT_ENOUGH_MEMORY_CODE;  // the shell's "out of memory or resources"
    case 26:
      return ERROR_SHARING_VIOLATION_CODE;  // SE_ERR_SHARE
    case 27:                                // SE_ERR_ASSOCINCOMPLETE
    case 31:
      return ERROR_NO_ASSOCIATION_CODE;  // SE_ERR_NOASSOC
    case 28:                             // SE_ERR_DDETIMEOUT
    case 29:                             // SE_ERR_DDEFAIL
    case 30:
      return ERROR_DDE_FAIL_CODE;  // SE_ERR_DDEBUSY
    case 32:
      return ERROR_DLL_NOT_FOUND_CODE;  // SE_ERR_DLLNOTFOUND
    default:
      return static_cast<std::uint32_t>(Value);
  }
}

bool ShellOpenWithError(TShell& Shell, TUserInterface& UserInterface, const std::string& File) {
  const std::intptr_t Value = Shell.ShellExecuteOpen(File);
  if (Value > kShellExecuteLastError)
    return true;
  const std::string Reason = Shell.SystemErrorText(ShellExecuteErrorCode(Value));
  UserInterface.MessageDialog("",
                              Format(ResStr(ustrings::msg_shell_execute_error),
                                     {File, Reason, static_cast<long long>(Value)}),
                              TDialogKind::dkWarning, TDialogButtons::dbOK);
  return false;
}

void ShellMinimizeAll(TShell& Shell) {
  if (auto Failure = Shell.MinimizeAll())
    throw EShellError(*Failure);
}

bool CreateShortcut(TShell& Shell, const std::string& LinkFile, const std::string& Target,
                    const std::string& Description, const std::string& WorkingDirectory,
                    const std::string& Arguments, const std::string& IconFile, int IconIndex) {
  TShortcutSpec Shortcut{LinkFile, Target, Description, WorkingDirectory, Arguments, {}};
  if (!IconFile.empty() && IconIndex >= 0)
    Shortcut.Icon = TShortcutSpec::TIcon{IconFile, IconIndex};
  return Shell.CreateShortcut(Shortcut);
}
