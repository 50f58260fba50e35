#include "platform/win32/uWin32Processes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "actions/uFileNames.h"
#include "actions/uProcessLauncher.h"
#include "actions/uProcessList.h"
#include "platform/win32/uWin32Text.h"
#include "uTestChildProcess.h"

namespace {

class Win32ProcessesTest : public testing::Test {
 protected:
  TWin32Processes Processes;
  TTestFolder Folder;
};

TEST_F(Win32ProcessesTest, WaitsForAChildAndReturnsItsExitCode) {
  const std::string Child = CopyChildProgram(Folder, "kvchild.exe");
  EXPECT_EQ(StartProgram(Processes, Child, "", {"--exit", "7"}, true), 7);
  EXPECT_EQ(StartCommandLine(Processes, "cmd.exe /c exit 5", "", true), 5);
}

TEST_F(Win32ProcessesTest, QuotingKeepsPathsAndParametersWithSpacesWhole) {
  const std::string Child = CopyChildProgram(Folder, "with space\\kv child.exe");
  EXPECT_EQ(StartProgram(Processes, Child, "", {"--args", "one", "two words"}, true), 2);
  // A command line the user quoted reaches the child as written.
  EXPECT_EQ(StartCommandLine(Processes, "\"" + Child + "\" --args \"a b\" c \"d e f\"", "", true),
            3);
}

TEST_F(Win32ProcessesTest, TheWorkingDirectoryBecomesTheChildsCurrentDirectory) {
  std::ofstream(std::filesystem::path(Utf8ToWide(Folder.Path("marker.txt")))) << "here";
  const std::string Probe = "cmd.exe /c if exist marker.txt (exit 3) else (exit 4)";
  EXPECT_EQ(StartCommandLine(Processes, Probe, Folder.Path(), true), 3);
  EXPECT_EQ(StartCommandLine(Processes, Probe, "", true), 4);
}

TEST_F(Win32ProcessesTest, FailedStartsRaiseTheLaunchersMessage) {
  try {
    StartCommandLine(Processes, "kolvane-no-such-program.exe -x", "", true);
    ADD_FAILURE() << "started";
  } catch (const EProcessLaunch& Error) {
    EXPECT_STREQ(Error.what(), "Failed to execute kolvane-no-such-program.exe -x : 2");
  }
  const std::string Child = CopyChildProgram(Folder, "kvchild.exe");
  try {
    StartProgram(Processes, Child, Folder.Path("no such folder"), {"--exit", "0"}, true);
    ADD_FAILURE() << "started";
  } catch (const EProcessLaunch& Error) {
    EXPECT_EQ(std::string(Error.what()).rfind("Failed to execute " + Child + " --exit 0 : ", 0), 0u)
        << Error.what();
  }
}

TEST_F(Win32ProcessesTest, ListsFindsAndKillsAChildByName) {
  const std::string Name = "kvchild-" + UniqueTag() + ".exe";
  const std::string Child = CopyChildProgram(Folder, Name);
  ASSERT_EQ(StartProgram(Processes, Child, "", {"--sleep", "30000"}, false), 0);

  DWORD ChildId = 0;
  ASSERT_TRUE(PollUntil(
      [&] {
        TProcessList List;
        if (!ListProcesses(Processes, List))
          return false;
        for (const auto& Item : List)
          if (Item.Name == Name)
            ChildId = Item.ProcessId;
        return ChildId != 0;
      },
      10000))
      << Name << " was not listed";
  TChildGuard Guard(ChildId);
  ASSERT_TRUE(Guard.Valid());

  std::string Upper = Name;
  for (char& C : Upper)
    C = static_cast<char>(toupper(static_cast<unsigned char>(C)));
  EXPECT_TRUE(IsProcessRunning(Processes, Upper));
  EXPECT_TRUE(IsProcessRunning(Processes, Name, ChildId));
  EXPECT_FALSE(IsProcessRunning(Processes, Name, ChildId + 1));

  EXPECT_EQ(KillProcessesByName(Processes, Upper), 1);
  EXPECT_EQ(Guard.WaitForExitCode(10000), 1);
  EXPECT_TRUE(PollUntil([&] { return !IsProcessRunning(Processes, Name); }, 5000));
  EXPECT_EQ(KillProcessesByName(Processes, Name), 0);
}

TEST_F(Win32ProcessesTest, TerminatingAProcessThatIsNotThereFails) {
  EXPECT_FALSE(TerminateProcessById(Processes, 0));
  EXPECT_FALSE(TerminateProcessById(Processes, 0x7FFFFFF0));
}

TEST_F(Win32ProcessesTest, KnowsItsOwnExecutable) {
  EXPECT_EQ(FileNamePart(Processes.ExecutablePath()), "win32_actions_tests.exe");
}

}  // namespace
