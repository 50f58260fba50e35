// The action kinds run from a real planner on the simulated machine, as a preset would run them.

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <map>

#include "app/uPlannerRows.h"
#include "core/uPlanner.h"
#include "uActionsHost.h"

namespace {

using testing::ElementsAre;

class ActionsPlannerTest : public testing::Test {
 protected:
  TActionsHost Host;
  TSimMachine& Machine = Host.Machine;
  TKoPlanner Planner{Host.Loop};
  TPlannerRows Rows{Host.Registry};
  std::map<std::string, std::vector<TItemRow>> PresetActions;
  std::vector<std::string> Messages;
  int Finished = 0;

  void SetUp() override {
    Rows.SetSelectedLogic(kolOR);
    Planner.OnPrepare = [this] { Rows.PreparePlanner(Planner); };
    Planner.OnFinished = [this] { ++Finished; };
    Planner.OnMessage = [this](TKoPlannerMessageKind, const std::string& Text) {
      Messages.push_back(Text);
    };
    Planner.PresetLoader = [this](const std::string& Name) {
      auto It = PresetActions.find(Name);
      if (It == PresetActions.end())
        return false;
      Rows.EventRows().clear();
      Rows.ActionRows() = It->second;
      return true;
    };
  }

  static TItemRow Row(const std::string& ID, const std::string& Config) {
    return {{}, {}, {}, Config, ID};
  }
  void AddAction(const std::string& ID, const std::string& Config) {
    Rows.ActionRows().push_back(Row(ID, Config));
  }
};

TEST_F(ActionsPlannerTest, AListOfActionsRunsInOrderAfterItsCountdown) {
  const auto Editor = Machine.AddProcess("notepad.exe");
  Machine.AddWindow("Untitled - Notepad", Editor);
  Machine.AddProcess("backup.exe");
  Rows.EventRows().push_back(Row("Countdown", "TIME=0:00:05;"));
  AddAction("RunProgram", "COMMAND=backup.exe /quick;WAIT=True;");
  AddAction("KillProcess", "PROCESSNAME=backup.exe;");
  AddAction("CloseWindow", "WINDOWTITLE=*Notepad;METHOD=1;");
  AddAction("OpenFile", "FILENAME=C:\\Reports\\today.html;");
  AddAction("Lock", "");
  AddAction("Hibernate", "DISABLEWAKEEVENT=True;");
  AddAction("Shutdown", "FORCE=True;");

  Planner.Start();
  ASSERT_TRUE(Messages.empty()) << Messages[0];
  Host.Loop.Advance(4999);
  EXPECT_TRUE(Machine.Calls.empty());
  Host.Loop.Advance(1);

  EXPECT_THAT(Machine.Calls,
              ElementsAre("CreateProcessW backup.exe /quick wait",
                          "TerminateProcess backup.exe pid=104 exit=1",
                          "PostMessageW \"Untitled - Notepad\" WM_CLOSE",
                          "ShellExecuteW open \"C:\\Reports\\today.html\"", "LockWorkStation",
                          "AdjustTokenPrivileges SeShutdownPrivilege enable",
                          "SetSuspendState hibernate=TRUE force=FALSE disablewake=TRUE",
                          "AdjustTokenPrivileges SeShutdownPrivilege enable",
                          "InitiateSystemShutdownExA message=\"Planned shutdown by Kolvane\" "
                          "timeout=0 force=TRUE reboot=FALSE reason=0x80000000"));
  for (int I = 0; I < 7; ++I)
    EXPECT_EQ(Planner.GetActionStatus(I), "Finished") << I;
  EXPECT_EQ(Finished, 1);
}

TEST_F(ActionsPlannerTest, AFailedActionIsMarkedAndTheListGoesOn) {
  AddAction("KillProcess", "PROCESSNAME=nothing.exe;");
  AddAction("CloseWindow", "WINDOWTITLE=[x*;METHOD=1;");
  AddAction("Lock", "");
  Planner.Start();
  Host.Loop.ProcessMessages();
  EXPECT_EQ(Planner.GetActionStatus(0), "Error");
  EXPECT_EQ(Planner.GetActionStatus(1), "Error: The char set in mask \"[x*\" is not valid!");
  EXPECT_EQ(Planner.GetActionStatus(2), "Finished");
  EXPECT_THAT(Machine.Calls, ElementsAre("LockWorkStation"));
}

TEST_F(ActionsPlannerTest, ATerminalActionMustBeLast) {
  struct TCase {
    const char* ID;
    const char* Config;
  };
  const TCase Terminal[] = {
      {"Shutdown", ""}, {"Reboot", ""}, {"Logoff", ""}, {"RunPreset", "PRESETNAME=Next;"}};
  for (const auto& Case : Terminal) {
    SCOPED_TRACE(Case.ID);
    Messages.clear();
    Rows.ActionRows() = {Row(Case.ID, Case.Config), Row("Lock", "")};
    Planner.Start();
    Host.Loop.ProcessMessages();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_THAT(Messages[0], testing::HasSubstr("must be last on the list."));
    EXPECT_TRUE(Machine.Calls.empty());
  }
  // Run in a new instance, Run Preset leaves the list to go on.
  Messages.clear();
  Rows.ActionRows() = {Row("RunPreset", "PRESETNAME=Next;RUNINNEWINSTANCE=True;"), Row("Lock", "")};
  Planner.Start();
  Host.Loop.ProcessMessages();
  EXPECT_TRUE(Messages.empty());
  EXPECT_THAT(Machine.Calls,
              ElementsAre("CreateProcessW \"C:\\Program Files\\Kolvane\\kolvane.exe\" /preset Next",
                          "LockWorkStation"));
}

TEST_F(ActionsPlannerTest, RunPresetSwitchesThePlannerToTheOtherPreset) {
  PresetActions["Evening"] = {Row("Sleep", "FORCE=True;")};
  AddAction("Lock", "");
  AddAction("RunPreset", "PRESETNAME=Evening;");
  Planner.Start();
  Host.Loop.ProcessMessages();
  Host.Loop.ProcessMessages();
  EXPECT_THAT(Machine.Calls,
              ElementsAre("LockWorkStation", "AdjustTokenPrivileges SeShutdownPrivilege enable",
                          "SetSuspendState hibernate=FALSE force=TRUE "
                          "disablewake=FALSE"));
}

}  // namespace
