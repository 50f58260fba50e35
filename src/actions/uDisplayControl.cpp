#include "actions/uDisplayControl.h"

#include <filesystem>

#include "actions/uProcessLauncher.h"
#include "actions/uWindowsVersion.h"
#include "core/uFilePaths.h"
#include "core/uStringUtils.h"

namespace {

constexpr std::uint32_t SC_SCREENSAVE_ID = 0xF140;
constexpr std::uint32_t SC_MONITORPOWER_ID = 0xF170;
constexpr std::intptr_t kMonitorOn = -1;
constexpr std::intptr_t kMonitorOff = 2;

// The window procedure answers a system command it carried out with 0.
bool SendCommand(TDisplay& Display, std::uint32_t Command, std::intptr_t Value) {
  const auto Result = Display.SendSystemCommand(Command, Value);
  return Result && *Result == 0;
}

bool IsScreenSaverName(const std::string& Name) {
  return Name.size() > 4 && SameText(std::string_view(Name).substr(Name.size() - 4), ".scr");
}

}  // namespace

void DelayProcessingMessages(TEventLoop& Loop, std::uint32_t Milliseconds) {
  if (Milliseconds == 0)
    return;
  // Waiting on the loop rather than spinning: the pause costs no processor time.
  (void)Loop.Wait(Milliseconds);
}

bool SetMonitorPower(TDisplay& Display, const TSystemVersion& Version, bool On) {
  // Windows 8 and later keep the display dark until they see input, whatever the command says.
  if (On && GetWindowsVersion(Version.OsVersion()) > TWindowsVersion::wv7)
    Display.NudgeMouse();
  return SendCommand(Display, SC_MONITORPOWER_ID, On ? kMonitorOn : kMonitorOff);
}

bool StartSystemScreenSaver(TDisplay& Display) {
  return SendCommand(Display, SC_SCREENSAVE_ID, 0);
}

bool StartScreenSaverFile(TProcessSystem& Processes, const std::string& Path) {
  return StartProgram(Processes, Path, {}, {"/S"}, false) == 0;
}

void ListScreenSavers(TDisplay& Display, std::vector<std::string>& List) {
  const std::string System = Display.SystemDirectory();
  // Without the system folder there is nothing to list; its bare delimiter would name the root
  // of the current drive instead.
  if (System.empty())
    return;
  const std::string Folder = IncludeTrailingPathDelimiter(System);
  std::error_code Error;
  std::filesystem::directory_iterator Entry(Utf8ToPath(Folder), Error);
  for (; !Error && Entry != std::filesystem::directory_iterator(); Entry.increment(Error)) {
    const std::string Name = PathToUtf8(Entry->path().filename());
    if (IsScreenSaverName(Name))
      List.push_back(Folder + Name);
  }
}
