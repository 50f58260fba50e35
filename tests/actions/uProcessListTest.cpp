#include "actions/uProcessList.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/sim/uSimMachine.h"

namespace {

using testing::ElementsAre;

class ProcessListTest : public testing::Test {
 protected:
  TSimMachine Machine;
  std::uint32_t Idle = 0, Explorer = 0, Notepad1 = 0, Notepad2 = 0, Report = 0;

  void SetUp() override {
    Machine.ProcessTable.push_back({0, "[System Process]", true});
    Explorer = Machine.AddProcess("C:\\Windows\\explorer.exe");
    Notepad1 = Machine.AddProcess("notepad.exe");
    Notepad2 = Machine.AddProcess("C:\\Windows\\System32\\NOTEPAD.EXE");
    Report = Machine.AddProcess("Ärger-Bericht.exe");
  }
};

TEST_F(ProcessListTest, KillsEveryProcessOfThatNameAndCountsThem) {
  EXPECT_EQ(KillProcessesByName(Machine.Processes, "Notepad.exe"), 2);
  EXPECT_THAT(
      Machine.Calls,
      ElementsAre("TerminateProcess notepad.exe pid=" + std::to_string(Notepad1) + " exit=1",
                  "TerminateProcess C:\\Windows\\System32\\NOTEPAD.EXE pid=" +
                      std::to_string(Notepad2) + " exit=1"));
  EXPECT_TRUE(Machine.HasProcess(Explorer));
}

TEST_F(ProcessListTest, KillNameRules) {
  struct TCase {
    const char* Name;
    int Killed;
  };
  const TCase Cases[] = {
      {"", 0},
      {"  \t", 0},
      {" notepad.exe", 0},  // passes the blank check, then matches nothing
      {"notepad.exe ", 0},
      {"notepad", 0},
      {"explorer.exe", 1},       // the folder part of the recorded name does not count
      {"ärger-bericht.EXE", 1},  // letter case is ignored beyond A to Z too
      {"[System Process]", 0},   // id 0 is never touched
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TSimMachine Fresh;
    Fresh.ProcessTable = Machine.ProcessTable;
    EXPECT_EQ(KillProcessesByName(Fresh.Processes, Case.Name), Case.Killed);
  }
}

TEST_F(ProcessListTest, AFailureToEndOneProcessDoesNotStopTheOthers) {
  Machine.ProcessTable[2].Terminable = false;  // the first notepad
  EXPECT_EQ(KillProcessesByName(Machine.Processes, "notepad.exe"), 1);
  EXPECT_TRUE(Machine.HasProcess(Notepad1));
  EXPECT_FALSE(Machine.HasProcess(Notepad2));
}

TEST_F(ProcessListTest, NoSnapshotKillsNothing) {
  Machine.SnapshotFails = true;
  EXPECT_EQ(KillProcessesByName(Machine.Processes, "notepad.exe"), 0);
  TProcessList List;
  EXPECT_FALSE(ListProcesses(Machine.Processes, List));
}

TEST_F(ProcessListTest, TerminatingByIdLeavesIdZeroAlone) {
  EXPECT_FALSE(TerminateProcessById(Machine.Processes, 0));
  EXPECT_FALSE(TerminateProcessById(Machine.Processes, 99999));
  EXPECT_TRUE(TerminateProcessById(Machine.Processes, Explorer));
  EXPECT_FALSE(Machine.HasProcess(Explorer));
}

TEST_F(ProcessListTest, ListsFileNamesInSnapshotOrderAppendingToTheList) {
  TProcessList List{{"kept", 1}};
  ASSERT_TRUE(ListProcesses(Machine.Processes, List));
  ASSERT_EQ(List.size(), 5u);
  EXPECT_EQ(List[0].Name, "kept");
  EXPECT_EQ(List[1].Name, "explorer.exe");
  EXPECT_EQ(List[1].ProcessId, Explorer);
  EXPECT_EQ(List[3].Name, "NOTEPAD.EXE");
  EXPECT_EQ(List[4].Name, "Ärger-Bericht.exe");
}

TEST_F(ProcessListTest, RunningChecksCompareNamesIgnoringAsciiCase) {
  EXPECT_TRUE(IsProcessRunning(Machine.Processes, "EXPLORER.EXE"));
  EXPECT_FALSE(IsProcessRunning(Machine.Processes, " explorer.exe"));
  EXPECT_FALSE(IsProcessRunning(Machine.Processes, "   "));
  EXPECT_FALSE(IsProcessRunning(Machine.Processes, "ärger-bericht.exe"));
  EXPECT_TRUE(IsProcessRunning(Machine.Processes, "Ärger-Bericht.EXE"));
  EXPECT_TRUE(IsProcessRunning(Machine.Processes, "notepad.exe", Notepad2));
  EXPECT_FALSE(IsProcessRunning(Machine.Processes, "notepad.exe", Explorer));
}

}  // namespace
