#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/uSimPowerSession.h"
#include "platform/sim/uSimProcesses.h"
#include "platform/sim/uSimShell.h"
#include "platform/sim/uSimWindowSystem.h"
#include "platform/uSystemVersion.h"

// A scripted Windows machine for native tests: a version, a process table, top-level windows in
// Z-order and a shell. Every call that would change something (a privilege, a shutdown, a posted
// message, a terminated or started process, a shell command) is recorded in Calls, in order,
// as one readable line, so a test states exactly which system calls an action makes.
class TSimMachine : public TSystemVersion {
 public:
  struct TProcess {
    std::uint32_t ProcessId = 0;
    std::string ExeFile;
    bool Terminable = true;  // false: OpenProcess refuses, as for a process of another user
  };
  struct TWindow {
    TWindowId Window = 0;
    std::string Title;
    std::string ClassName;
    std::uint32_t ProcessId = 0;
    bool Visible = true;
    bool ToolWindow = false;
    bool Hung = false;  // does not answer messages sent to it
    // Answers the messages sent to it that carry plain numbers; none answers 0 to everything.
    std::function<std::intptr_t(std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam)>
        OnMessage = nullptr;
  };

  TSimMachine();
  TSimMachine(const TSimMachine&) = delete;
  TSimMachine& operator=(const TSimMachine&) = delete;

  // The machine as the ports see it.
  TOsVersion OsVersion() const override { return Version; }
  TSimPowerSession Power{*this};
  TSimProcesses Processes{*this};
  TSimWindowSystem Windows{*this};
  TSimShell Shell{*this};

  // Windows 10 unless a test says otherwise.
  TOsVersion Version{2, 10, 0};

  // Power and session script: what the calls report.
  bool TokenOpens = true;
  bool ShutdownPrivilegeHeld = true;      // the token holds it, so it can be enabled
  bool ShutdownPrivilegeEnabled = false;  // what AdjustTokenPrivilege left; NT calls need it
  bool InitiateSystemShutdownExists = true;
  bool SetSuspendStateExists = true;
  bool LockWorkStationExists = true;
  bool PowerCallsSucceed = true;

  // Process table, in snapshot order.
  std::vector<TProcess> ProcessTable;
  bool SnapshotFails = false;
  std::string ExecutablePath = "C:\\Program Files\\Kolvane\\kolvane.exe";
  // Decides what a started process does; by default it starts and exits with code 0.
  std::function<TLaunchResult(const TLaunchRequest&)> OnLaunch;

  // Top-level windows, top of the Z-order first.
  std::vector<TWindow> WindowList;

  // Shell script.
  std::intptr_t ShellExecuteValue = 42;
  std::map<std::uint32_t, std::string> ErrorTexts;  // SystemErrorText answers from here
  std::optional<std::string> MinimizeAllFailure;
  bool ShortcutSaves = true;
  std::vector<TShortcutSpec> Shortcuts;  // every shortcut saved

  std::vector<std::string> Calls;
  void Record(std::string Call) { Calls.push_back(std::move(Call)); }

  std::uint32_t AddProcess(const std::string& ExeFile);
  TWindowId AddWindow(const std::string& Title, std::uint32_t ProcessId = 0);
  TWindow* FindWindow(TWindowId Window);
  bool HasProcess(std::uint32_t ProcessId) const;

 private:
  std::uint32_t FNextProcessId = 100;
  TWindowId FNextWindow = 0x10010;
};
