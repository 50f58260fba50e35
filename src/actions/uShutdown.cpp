#include "actions/uShutdown.h"

#include "actions/uPrivileges.h"
#include "actions/uWindowsVersion.h"
#include "actions/uWindowUtils.h"

bool ShutdownSystem(const TShutdownPorts& Ports, TShutdownKind Kind, bool Force,
                    const std::string& Comment) {
  const TOsVersion Version = Ports.Version.OsVersion();
  // Without the privilege the call below fails by itself and says so; trying costs nothing.
  if (IsWindowsNT(Version))
    (void)EnableShutdownPrivilege(Ports.Power);

  if (IsWindowsXPOrLater(GetWindowsVersion(Version)) &&
      (Kind == TShutdownKind::skShutdown || Kind == TShutdownKind::skReboot)) {
    // Timeout 0: no countdown dialog.
    return CallInitiateSystemShutdown(Ports.Power, Comment, 0, Force,
                                      Kind == TShutdownKind::skReboot);
  }

  std::uint32_t Flags = 0;
  switch (Kind) {
    case TShutdownKind::skShutdown:
      Flags = EWX_SHUTDOWN_FLAG | EWX_POWEROFF_FLAG;
      break;
    case TShutdownKind::skReboot:
      Flags = EWX_REBOOT_FLAG;
      break;
    case TShutdownKind::skLogoff:
      Flags = EWX_LOGOFF_FLAG;
      break;
    default:
      return false;
  }
  if (Force)
    Flags |= EWX_FORCE_FLAG;
  return CallExitWindows(Ports, Flags);
}

bool CallExitWindows(const TShutdownPorts& Ports, std::uint32_t Flags) {
  const TOsVersion Version = Ports.Version.OsVersion();
  if (IsWindows9x(Version) && Flags == (EWX_LOGOFF_FLAG | EWX_FORCE_FLAG))
    CloseShellWindows(Ports.Windows);
  const std::uint32_t Reason =
      IsWindowsXPOrLater(GetWindowsVersion(Version)) ? SHTDN_REASON_FLAG_PLANNED_CODE : 0;
  return Ports.Power.ExitWindowsEx(Flags, Reason);
}

bool CallInitiateSystemShutdown(TPowerSession& Power, const std::string& Comment,
                                std::uint32_t TimeoutSeconds, bool Force, bool Reboot) {
  std::optional<std::string> Message;
  if (!Comment.empty())
    Message = Comment;
  return Power.ShutdownMachine(Message, TimeoutSeconds, Force, Reboot,
                               SHTDN_REASON_FLAG_PLANNED_CODE);
}

void CloseShellWindows(TWindowSystem& Windows) {
  for (const char* ClassName : {"Progman", "Shell_TrayWnd"}) {
    if (TWindowId Window = Windows.FindWindowByClass(ClassName))
      (void)Windows.PostMessage(Window, WM_QUIT_MESSAGE, 0, 0);
  }
}
