// The power, session, program and window action kinds on the simulated machine: their identity,
// settings, descriptions and the system calls each one makes.

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "actions/uActionRunPreset.h"
#include "uActionsHost.h"

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

constexpr TOsVersion kWindows10{2, 10, 0};
constexpr TOsVersion kWindowsXP{2, 5, 1};
constexpr TOsVersion kWindows2000{2, 5, 0};
constexpr TOsVersion kWindows98{1, 4, 10};
const char* const kPrivilege = "AdjustTokenPrivileges SeShutdownPrivilege enable";

class ActionKindsTest : public testing::Test {
 protected:
  TActionsHost Host;
  TSimMachine& Machine = Host.Machine;

  // Runs the action as the planner does; the status text tells how it went.
  std::string RunAction(const std::string& ID, const std::string& Config,
                        TKoActionOutcome* OutcomeSeen = nullptr) {
    auto Action = Host.Action(ID, Config);
    TKoActionOutcome Outcome = kaoContinue;
    Action->Run(Outcome);
    if (OutcomeSeen)
      *OutcomeSeen = Outcome;
    return Action->GetStatusText();
  }
};

// --- Identity and settings ----------------------------------------------------------------------

TEST_F(ActionKindsTest, KindsAreListedInOrderWithNamesAndTerminalFlags) {
  struct TKind {
    const char* ID;
    const char* Name;
    bool Terminal;
  };
  const TKind Expected[] = {
      {"Shutdown", "Shutdown", true},
      {"Reboot", "Reboot", true},
      {"Logoff", "Logoff", true},
      {"Lock", "Lock Workstation", false},
      {"Sleep", "Sleep", false},
      {"Hibernate", "Hibernate", false},
      {"RunProgram", "Run Program", false},
      {"OpenFile", "Open File", false},
      {"CloseWindow", "Close Window", false},
      {"KillProcess", "Kill Process", false},
      {"RunPreset", "Run Preset", true},
  };
  int Previous = -1;
  for (const auto& Kind : Expected) {
    SCOPED_TRACE(Kind.ID);
    const int Index = Host.Registry.FindActionKind(Kind.ID);
    ASSERT_GT(Index, Previous) << "out of order";
    Previous = Index;
    const auto& Prototype = *Host.Registry.ActionKinds()[Index];
    EXPECT_EQ(Prototype.ID(), Kind.ID);
    EXPECT_EQ(Prototype.Name(), Kind.Name);
    EXPECT_EQ(Prototype.Terminal(), Kind.Terminal);
  }
  EXPECT_EQ(Host.Registry.FindActionKind("shutdown"), Host.Registry.FindActionKind("Shutdown"));
  EXPECT_EQ(Host.Registry.FindActionKind("Lock Workstation"), -1);
}

TEST_F(ActionKindsTest, DefaultSettingsAreWrittenInKeyOrder) {
  const std::pair<const char*, const char*> Cases[] = {
      {"Shutdown", "FORCE=False;"},
      {"Reboot", "FORCE=False;"},
      {"Logoff", "FORCE=False;"},
      {"Lock", ""},
      {"Sleep", "FORCE=False;DISABLEWAKEEVENT=False;"},
      {"Hibernate", "FORCE=False;DISABLEWAKEEVENT=False;"},
      {"RunProgram", "COMMAND=;WORKINGDIRECTORY=;WAIT=True;"},
      {"OpenFile", "FILENAME=;"},
      {"CloseWindow", "WINDOWTITLE=;METHOD=1;"},
      {"KillProcess", "PROCESSNAME=;"},
      {"RunPreset", "PRESETNAME=;RUNINNEWINSTANCE=False;WAITFORNEWINSTANCETOEXIT=False;"},
  };
  for (const auto& [ID, Text] : Cases) {
    SCOPED_TRACE(ID);
    EXPECT_EQ(Host.Registry.CreateAction(ID)->GetConfigText(), Text);
  }
}

TEST_F(ActionKindsTest, SettingsSurviveTheConfigurationTextAndCloning) {
  const std::pair<const char*, const char*> Cases[] = {
      {"Shutdown", "FORCE=True;"},
      {"Sleep", "FORCE=True;DISABLEWAKEEVENT=True;"},
      {"RunProgram",
       "COMMAND=\"C:\\My Tools\\x.exe\" -a %3B b;WORKINGDIRECTORY=C:\\Temp;WAIT=False;"},
      {"OpenFile", "FILENAME=https://example.org/a?b%3Dc;"},
      {"CloseWindow", "WINDOWTITLE=*Notepad;METHOD=3;"},
      {"KillProcess", "PROCESSNAME=notepad.exe;"},
      {"RunPreset", "PRESETNAME=Night shift;RUNINNEWINSTANCE=True;WAITFORNEWINSTANCETOEXIT=True;"},
  };
  for (const auto& [ID, Text] : Cases) {
    SCOPED_TRACE(ID);
    auto Action = Host.Action(ID, Text);
    EXPECT_EQ(Action->GetConfigText(), Text);
    EXPECT_EQ(Action->Clone(true)->GetConfigText(), Text);
  }
}

TEST_F(ActionKindsTest, MissingKeysReadAsFalseOrEmptyAndMethodKeepsItsValue) {
  EXPECT_EQ(Host.Action("Shutdown")->GetDescription(), "Not forced");
  EXPECT_EQ(Host.Action("Sleep")->GetConfigText(), "FORCE=False;DISABLEWAKEEVENT=False;");
  // A stored Run Program without "Wait" does not wait, unlike a new one.
  EXPECT_EQ(Host.Action("RunProgram", "COMMAND=x.exe;")->GetConfigText(),
            "COMMAND=x.exe;WORKINGDIRECTORY=;WAIT=False;");
  EXPECT_EQ(Host.Action("CloseWindow", "WINDOWTITLE=A;")->GetConfigText(),
            "WINDOWTITLE=A;METHOD=1;");
}

TEST_F(ActionKindsTest, RunPresetIsTerminalExactlyWhenItSwitchesThePlanner) {
  auto Action = Host.Action("RunPreset");
  EXPECT_TRUE(Action->Terminal());
  Action->SetConfigText("PRESETNAME=Next;RUNINNEWINSTANCE=True;");
  EXPECT_FALSE(Action->Terminal());
  EXPECT_FALSE(Action->Clone(true)->Terminal());
  EXPECT_TRUE(Action->Clone(false)->Terminal());
  Action->SetConfigText("PRESETNAME=Next;");
  EXPECT_TRUE(Action->Terminal());

  auto& RunPreset = dynamic_cast<TKoActionRunPreset&>(*Action);
  RunPreset.SetConfig({"Next", true, false});
  EXPECT_FALSE(RunPreset.Terminal());
}

TEST_F(ActionKindsTest, Descriptions) {
  struct TCase {
    const char* ID;
    const char* Config;
    const char* Description;
  };
  const TCase Cases[] = {
      {"Shutdown", "FORCE=True;", "Force"},
      {"Reboot", "FORCE=False;", "Not forced"},
      {"Logoff", "", "Not forced"},
      {"Lock", "", ""},
      {"Sleep", "", ""},
      {"Sleep", "FORCE=True;", "Force critical"},
      {"Hibernate", "DISABLEWAKEEVENT=True;", "Disable wake event"},
      {"Hibernate", "FORCE=True;DISABLEWAKEEVENT=True;", "Force critical, Disable wake event"},
      {"RunProgram", "COMMAND=x.exe -a;WAIT=True;", "x.exe -a (wait)"},
      {"RunProgram", "COMMAND=x.exe -a;", "x.exe -a"},
      {"OpenFile", "FILENAME=C:\\Reports\\2024\\Summary.pdf;", "Summary.pdf"},
      {"OpenFile", "FILENAME=D:Notes.txt;", "Notes.txt"},
      {"OpenFile", "FILENAME=MAILTO:someone@example.org;", "MAILTO:someone@example.org"},
      {"OpenFile", "FILENAME=https://example.org/path/page.html;",
       "https://example.org/path/page.html"},
      {"OpenFile", "FILENAME=C:\\Sites\\mailto:x.txt;", "x.txt"},
      {"CloseWindow", "WINDOWTITLE=*Notepad;METHOD=1;", "Close window \"*Notepad\""},
      {"CloseWindow", "WINDOWTITLE=*Notepad;METHOD=2;", "Quit window \"*Notepad\""},
      {"CloseWindow", "WINDOWTITLE=*Notepad;METHOD=3;", "Kill window \"*Notepad\""},
      {"CloseWindow", "WINDOWTITLE=*Notepad;METHOD=4;", ""},
      {"KillProcess", "PROCESSNAME=notepad.exe;", "\"notepad.exe\""},
      {"RunPreset", "PRESETNAME=Night;", "Run preset \"Night\""},
      {"RunPreset", "PRESETNAME=Night;RUNINNEWINSTANCE=True;",
       "Run preset \"Night\" (new instance)"},
      {"RunPreset", "PRESETNAME=Night;RUNINNEWINSTANCE=True;WAITFORNEWINSTANCETOEXIT=True;",
       "Run preset \"Night\" (new instance and wait)"},
      {"RunPreset", "PRESETNAME=Night;WAITFORNEWINSTANCETOEXIT=True;", "Run preset \"Night\""},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(testing::Message() << Case.ID << " " << Case.Config);
    EXPECT_EQ(Host.Action(Case.ID, Case.Config)->GetDescription(), Case.Description);
  }
}

// --- Power and session
// ----------------------------------------------------------------------------

TEST_F(ActionKindsTest, SystemCallsPerActionAndConfiguration) {
  struct TCase {
    const char* ID;
    bool Force;
    TOsVersion Version;
    std::vector<std::string> Calls;
  };
  const TCase Cases[] = {
      {"Shutdown",
       false,
       kWindows10,
       {kPrivilege,
        "InitiateSystemShutdownExA message=\"Planned shutdown by Kolvane\" timeout=0 "
        "force=FALSE reboot=FALSE reason=0x80000000"}},
      {"Shutdown", false, kWindows2000, {kPrivilege, "ExitWindowsEx flags=9 reason=0x00000000"}},
      {"Shutdown",
       true,
       kWindowsXP,
       {kPrivilege,
        "InitiateSystemShutdownExA message=\"Planned shutdown by Kolvane\" timeout=0 "
        "force=TRUE reboot=FALSE reason=0x80000000"}},
      {"Shutdown", true, kWindows2000, {kPrivilege, "ExitWindowsEx flags=13 reason=0x00000000"}},
      {"Reboot",
       false,
       kWindows10,
       {kPrivilege,
        "InitiateSystemShutdownExA message=\"Planned reboot by Kolvane\" timeout=0 "
        "force=FALSE reboot=TRUE reason=0x80000000"}},
      {"Reboot", false, kWindows2000, {kPrivilege, "ExitWindowsEx flags=2 reason=0x00000000"}},
      {"Reboot",
       true,
       kWindowsXP,
       {kPrivilege,
        "InitiateSystemShutdownExA message=\"Planned reboot by Kolvane\" timeout=0 "
        "force=TRUE reboot=TRUE reason=0x80000000"}},
      {"Reboot", true, kWindows2000, {kPrivilege, "ExitWindowsEx flags=6 reason=0x00000000"}},
      {"Logoff", false, kWindows10, {kPrivilege, "ExitWindowsEx flags=0 reason=0x80000000"}},
      {"Logoff", false, kWindows2000, {kPrivilege, "ExitWindowsEx flags=0 reason=0x00000000"}},
      {"Logoff", true, kWindowsXP, {kPrivilege, "ExitWindowsEx flags=4 reason=0x80000000"}},
      {"Logoff", true, kWindows2000, {kPrivilege, "ExitWindowsEx flags=4 reason=0x00000000"}},
      {"Logoff",
       true,
       kWindows98,
       {"PostMessageW \"Program Manager\" WM_QUIT", "PostMessageW \"Shell_TrayWnd\" WM_QUIT",
        "ExitWindowsEx flags=4 reason=0x00000000"}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(testing::Message()
                 << Case.ID << ", force " << Case.Force << ", version " << Case.Version.PlatformId
                 << "/" << Case.Version.Major << "." << Case.Version.Minor);
    TActionsHost Fresh;
    Fresh.Machine.Version = Case.Version;
    Fresh.Machine.WindowList.push_back(
        {0x100, "Program Manager", "Progman", 1, true, false, false});
    Fresh.Machine.WindowList.push_back({0x200, "", "Shell_TrayWnd", 1, true, false, false});
    auto Action = Fresh.Action(Case.ID, Case.Force ? "FORCE=True;" : "FORCE=False;");
    TKoActionOutcome Outcome = kaoContinue;
    EXPECT_TRUE(Action->Run(Outcome));
    EXPECT_EQ(Outcome, kaoContinue);
    EXPECT_THAT(Fresh.Machine.Calls, ElementsAreArray(Case.Calls));
  }
}

TEST_F(ActionKindsTest, ShutdownWithoutThePrivilegeStillCallsTheSystemAndEndsInError) {
  Machine.ShutdownPrivilegeHeld = false;
  EXPECT_EQ(RunAction("Shutdown", ""), "Error");
  EXPECT_THAT(Machine.Calls,
              ElementsAre(kPrivilege, testing::StartsWith("InitiateSystemShutdownExA")));
}

TEST_F(ActionKindsTest, SleepAndHibernatePassTheirOptionsInOrder) {
  struct TCase {
    const char* ID;
    const char* Config;
    const char* Call;
  };
  const TCase Cases[] = {
      {"Sleep", "", "SetSuspendState hibernate=FALSE force=FALSE disablewake=FALSE"},
      {"Sleep", "FORCE=True;", "SetSuspendState hibernate=FALSE force=TRUE disablewake=FALSE"},
      {"Sleep", "DISABLEWAKEEVENT=True;",
       "SetSuspendState hibernate=FALSE force=FALSE disablewake=TRUE"},
      {"Hibernate", "", "SetSuspendState hibernate=TRUE force=FALSE disablewake=FALSE"},
      {"Hibernate", "FORCE=True;DISABLEWAKEEVENT=True;",
       "SetSuspendState hibernate=TRUE force=TRUE disablewake=TRUE"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(testing::Message() << Case.ID << " " << Case.Config);
    Machine.Calls.clear();
    EXPECT_EQ(RunAction(Case.ID, Case.Config), "Finished");
    EXPECT_THAT(Machine.Calls, ElementsAre(kPrivilege, Case.Call));
  }
}

TEST_F(ActionKindsTest, LockAndSuspendFailWhenTheSystemLacksTheFunction) {
  EXPECT_EQ(RunAction("Lock", ""), "Finished");
  EXPECT_THAT(Machine.Calls, ElementsAre("LockWorkStation"));
  Machine.LockWorkStationExists = false;
  Machine.SetSuspendStateExists = false;
  EXPECT_EQ(RunAction("Lock", ""), "Error");
  EXPECT_EQ(RunAction("Hibernate", ""), "Error");
}

TEST_F(ActionKindsTest, AnActionWithoutItsMachinePortFailsWithAMessage) {
  TSimEventLoop Loop;
  TKoServices Bare{Loop};
  TKoKindRegistry Registry{Bare};
  RegisterKinds(Registry);
  for (const char* ID : {"Shutdown", "Lock", "Sleep", "RunProgram", "OpenFile", "KillProcess"}) {
    auto Action = Registry.CreateAction(ID);
    EXPECT_FALSE(Action->Run());
    EXPECT_EQ(Action->GetStatusText(), "Error: This action cannot reach the system it acts on.");
  }
}

// --- Programs, files, windows and processes -------------------------------------------------

TEST_F(ActionKindsTest, RunProgramPassesTheCommandLineUnchangedAndWaitsForExitCodeZero) {
  std::uint32_t ExitCode = 0;
  Machine.OnLaunch = [&](const TLaunchRequest&) { return TLaunchResult{true, 0, ExitCode}; };
  EXPECT_EQ(RunAction("RunProgram",
                      "COMMAND=\"C:\\My Tools\\x.exe\" \"my parameter\";"
                      "WORKINGDIRECTORY=C:\\Temp;WAIT=True;"),
            "Finished");
  EXPECT_THAT(Machine.Calls, ElementsAre("CreateProcessW \"C:\\My Tools\\x.exe\" \"my parameter\" "
                                         "dir=C:\\Temp wait"));
  ExitCode = 3;
  EXPECT_EQ(RunAction("RunProgram", "COMMAND=x.exe;WAIT=True;"), "Error");
  EXPECT_EQ(RunAction("RunProgram", "COMMAND=x.exe;WAIT=False;"), "Finished");
}

TEST_F(ActionKindsTest, RunProgramReportsTheLaunchersMessage) {
  EXPECT_EQ(RunAction("RunProgram", "COMMAND=;"), "Error: Cannot execute empty command-line");
  Machine.OnLaunch = [](const TLaunchRequest&) { return TLaunchResult{false, 267, 0}; };
  EXPECT_EQ(RunAction("RunProgram", "COMMAND=x.exe;WORKINGDIRECTORY=C:\\Gone;"),
            "Error: Failed to execute x.exe : 267");
}

TEST_F(ActionKindsTest, OpenFileOpensSilently) {
  EXPECT_EQ(RunAction("OpenFile", "FILENAME=C:\\a b.txt;"), "Finished");
  EXPECT_THAT(Machine.Calls, ElementsAre("ShellExecuteW open \"C:\\a b.txt\""));
  Machine.ShellExecuteValue = 2;
  EXPECT_EQ(RunAction("OpenFile", "FILENAME=C:\\missing.txt;"), "Error");
  EXPECT_TRUE(Host.UserInterface.Shown.empty());
}

TEST_F(ActionKindsTest, CloseWindowByMethod) {
  const auto Owner = Machine.AddProcess("notepad.exe");
  Machine.AddWindow("Untitled - Notepad", Owner);
  struct TCase {
    int Method;
    const char* Call;
  };
  const TCase Cases[] = {
      {1, "PostMessageW \"Untitled - Notepad\" WM_CLOSE"},
      {2, "PostMessageW \"Untitled - Notepad\" WM_QUIT"},
      {3, "TerminateProcess notepad.exe pid=100 exit=1"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Method);
    TActionsHost Fresh;
    Fresh.Machine.ProcessTable = Machine.ProcessTable;
    Fresh.Machine.WindowList = Machine.WindowList;
    auto Action = Fresh.Action("CloseWindow",
                               "WINDOWTITLE=*notepad;METHOD=" + std::to_string(Case.Method) + ";");
    EXPECT_TRUE(Action->Run());
    EXPECT_THAT(Fresh.Machine.Calls, ElementsAre(Case.Call));
  }
  EXPECT_EQ(RunAction("CloseWindow", "WINDOWTITLE=*notepad;METHOD=4;"), "Error");
  EXPECT_EQ(RunAction("CloseWindow", "WINDOWTITLE=Calculator;METHOD=1;"), "Error");
  EXPECT_EQ(RunAction("CloseWindow", "WINDOWTITLE=*[note;METHOD=1;"),
            "Error: The char set in mask \"*[note\" is not valid!");
  EXPECT_TRUE(Machine.Calls.empty());
}

TEST_F(ActionKindsTest, KillProcessSucceedsWhenAtLeastOneEnded) {
  Machine.AddProcess("notepad.exe");
  Machine.AddProcess("NOTEPAD.EXE");
  EXPECT_EQ(RunAction("KillProcess", "PROCESSNAME=Notepad.exe;"), "Finished");
  EXPECT_EQ(Machine.Calls.size(), 2u);
  EXPECT_EQ(RunAction("KillProcess", "PROCESSNAME=notepad.exe;"), "Error");
  EXPECT_EQ(RunAction("KillProcess", "PROCESSNAME= ;"), "Error");
}

// --- Run Preset
// -----------------------------------------------------------------------------------

TEST_F(ActionKindsTest, RunPresetSwitchesThePlannerByItsOutcome) {
  TKoActionOutcome Outcome = kaoContinue;
  EXPECT_EQ(RunAction("RunPreset", "PRESETNAME=Night shift;", &Outcome), "Finished");
  EXPECT_EQ(Outcome, kaoRunPreset);
  EXPECT_TRUE(Machine.Calls.empty());
  auto Action = Host.Action("RunPreset", "PRESETNAME=Night shift;");
  EXPECT_EQ(dynamic_cast<TKoPresetRunner&>(*Action).GetPresetName(), "Night shift");
}

TEST_F(ActionKindsTest, RunPresetStartsANewInstanceOfThisProgram) {
  struct TCase {
    const char* Config;
    const char* Call;
  };
  const TCase Cases[] = {
      {"PRESETNAME=Night shift;RUNINNEWINSTANCE=True;",
       "CreateProcessW \"C:\\Program Files\\Kolvane\\kolvane.exe\" /preset \"Night shift\""},
      {"PRESETNAME=Night;RUNINNEWINSTANCE=True;WAITFORNEWINSTANCETOEXIT=True;",
       "CreateProcessW \"C:\\Program Files\\Kolvane\\kolvane.exe\" /preset Night wait"},
      // A name with a quote of its own is passed as it stands.
      {"PRESETNAME=My \"best\" preset;RUNINNEWINSTANCE=True;",
       "CreateProcessW \"C:\\Program Files\\Kolvane\\kolvane.exe\" /preset My \"best\" preset"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Config);
    Machine.Calls.clear();
    TKoActionOutcome Outcome = kaoContinue;
    EXPECT_EQ(RunAction("RunPreset", Case.Config, &Outcome), "Finished");
    EXPECT_EQ(Outcome, kaoContinue);
    EXPECT_THAT(Machine.Calls, ElementsAre(Case.Call));
  }
}

TEST_F(ActionKindsTest, RunPresetInANewInstanceFailsOnAStartFailureOrANonZeroExit) {
  Machine.OnLaunch = [](const TLaunchRequest&) { return TLaunchResult{true, 0, 1}; };
  EXPECT_EQ(
      RunAction("RunPreset", "PRESETNAME=N;RUNINNEWINSTANCE=True;WAITFORNEWINSTANCETOEXIT=True;"),
      "Error");
  EXPECT_EQ(RunAction("RunPreset", "PRESETNAME=N;RUNINNEWINSTANCE=True;"), "Finished");
  Machine.OnLaunch = [](const TLaunchRequest&) { return TLaunchResult{false, 5, 0}; };
  EXPECT_EQ(RunAction("RunPreset", "PRESETNAME=N;RUNINNEWINSTANCE=True;"),
            "Error: Failed to execute \"C:\\Program Files\\Kolvane\\kolvane.exe\" /preset N : 5");
}

}  // namespace
