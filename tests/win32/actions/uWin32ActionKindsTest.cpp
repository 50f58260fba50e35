// The program and window action kinds on the real machine, through the services the application
// gives them. Power and session kinds are left out on purpose: they would act on the machine.

#include <gtest/gtest.h>

#include "actions/uActionRunPreset.h"
#include "actions/uProcessList.h"
#include "app/uKindList.h"
#include "core/uKindRegistry.h"
#include "platform/sim/uSimUserInterface.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32Processes.h"
#include "platform/win32/uWin32Shell.h"
#include "platform/win32/uWin32SystemVersion.h"
#include "platform/win32/uWin32WindowSystem.h"
#include "uTestChildProcess.h"

namespace {

// The real process port, except that "this program" is the child program, so a new instance
// started by Run Preset is one the test owns.
class TChildAsThisProgram : public TWin32Processes {
 public:
  std::string Executable;
  std::string ExecutablePath() override { return Executable; }
};

class Win32ActionKindsTest : public testing::Test {
 protected:
  TWin32EventLoop Loop;
  TWin32SystemVersion Version;
  TChildAsThisProgram Processes;
  TWin32WindowSystem Windows;
  TWin32Shell Shell;
  TSimUserInterface UserInterface;
  TKoServices Services{Loop,    &UserInterface, nullptr,  &Version,
                       nullptr, &Processes,     &Windows, &Shell};
  TKoKindRegistry Registry{Services};
  TTestFolder Folder;
  std::string Child = CopyChildProgram(Folder, "kv child.exe");

  void SetUp() override { RegisterKinds(Registry); }

  std::string Run(const std::string& ID, const std::string& Config) {
    auto Action = Registry.CreateAction(ID);
    Action->SetConfigText(Config);
    Action->Run();
    return Action->GetStatusText();
  }
  static std::string Escaped(std::string Text) {
    // The configuration codec writes ";" and "=" as %XX.
    std::string Result;
    for (char C : Text)
      Result += C == ';' ? "%3B" : C == '=' ? "%3D" : std::string(1, C);
    return Result;
  }
};

TEST_F(Win32ActionKindsTest, RunProgramWaitsAndJudgesByExitCode) {
  const std::string Quoted = "\"" + Child + "\"";
  EXPECT_EQ(Run("RunProgram", "COMMAND=" + Escaped(Quoted + " --exit 0") + ";WAIT=True;"),
            "Finished");
  EXPECT_EQ(Run("RunProgram", "COMMAND=" + Escaped(Quoted + " --exit 4") + ";WAIT=True;"), "Error");
  EXPECT_EQ(Run("RunProgram", "COMMAND=kolvane-no-such-program.exe;WAIT=True;"),
            "Error: Failed to execute kolvane-no-such-program.exe : 2");
}

TEST_F(Win32ActionKindsTest, KillProcessEndsTheChildByName) {
  const std::string Name = "kvkill-" + UniqueTag() + ".exe";
  const std::string Program = CopyChildProgram(Folder, Name);
  ASSERT_EQ(
      Run("RunProgram", "COMMAND=" + Escaped("\"" + Program + "\" --sleep 30000") + ";WAIT=False;"),
      "Finished");
  DWORD ChildId = 0;
  ASSERT_TRUE(PollUntil(
      [&] {
        TProcessList List;
        ListProcesses(Processes, List);
        for (const auto& Item : List)
          if (Item.Name == Name)
            ChildId = Item.ProcessId;
        return ChildId != 0;
      },
      10000));
  TChildGuard Guard(ChildId);
  EXPECT_EQ(Run("KillProcess", "PROCESSNAME=" + Name + ";"), "Finished");
  EXPECT_EQ(Guard.WaitForExitCode(10000), 1);
  EXPECT_EQ(Run("KillProcess", "PROCESSNAME=" + Name + ";"), "Error");
}

TEST_F(Win32ActionKindsTest, CloseWindowClosesTheChildsWindow) {
  const std::string Title = "Kolvane kind " + UniqueTag() + " close";
  ASSERT_EQ(Run("RunProgram", "COMMAND=" + Escaped("\"" + Child + "\" --window \"" + Title + "\"") +
                                  ";WAIT=False;"),
            "Finished");
  const TWindowId Window = WaitForShownWindow(Windows, Title, true);
  ASSERT_NE(Window, 0u);
  TChildGuard Guard(Windows.WindowProcessId(Window));
  EXPECT_EQ(Run("CloseWindow", "WINDOWTITLE=*" + Title.substr(7) + ";METHOD=1;"), "Finished");
  EXPECT_EQ(Guard.WaitForExitCode(10000), 42);
}

TEST_F(Win32ActionKindsTest, OpenFileOfAMissingFileFailsQuietly) {
  EXPECT_EQ(Run("OpenFile", "FILENAME=" + Folder.Path("missing.txt") + ";"), "Error");
  EXPECT_TRUE(UserInterface.Shown.empty());
}

TEST_F(Win32ActionKindsTest, RunPresetStartsANewInstanceWithThePresetAsOneArgument) {
  Processes.Executable = Child;
  EXPECT_EQ(Run("RunPreset",
                "PRESETNAME=Night shift;RUNINNEWINSTANCE=True;WAITFORNEWINSTANCETOEXIT=True;"),
            "Finished");
}

}  // namespace
