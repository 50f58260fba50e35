// The main window's behaviour apart from drawing, with a recording view and a real planner in
// virtual time.

#include "app/uMainWindowModel.h"

#include <gtest/gtest.h>

#include "actions/uPlannerQuickActions.h"
#include "platform/sim/uSimMachine.h"
#include "platform/sim/uSimUserInterface.h"
#include "support/uPlannerHost.h"
#include "support/uTempFolder.h"

namespace {

using Strings = std::vector<std::string>;

class TRecordingView final : public TMainWindowView {
 public:
  void ShowRunningState(bool Running) override { Calls.push_back(Running ? "running" : "idle"); }
  void ShowStatus(const std::string& Text, const std::string& TrayHint) override {
    Status = Text;
    Hint = TrayHint;
  }
  void ShowRows() override { ++RowUpdates; }
  void ShowBalloon(const std::string& Title, const std::string& Text) override {
    Calls.push_back("balloon " + Title + ": " + Text);
  }
  void HideWindow() override { Calls.push_back("hide"); }
  void CloseWindow() override { Calls.push_back("close"); }
  void EndBusyCursor() override { Calls.push_back("arrow"); }

  Strings Calls;
  std::string Status, Hint;
  int RowUpdates = 0;
};

class MainWindowModelTest : public testing::Test {
 protected:
  void SetUp() override {
    Model.AttachToPlanner();
    Model.KeepSystemAwake = [this](bool Keep) {
      Awake.push_back(Keep);
      return true;
    };
  }

  TTempFolder Storage;
  TPlannerHost Host;
  TSettings Settings;
  TSimUserInterface UserInterface;
  TRecordingView View;
  TPresets Presets{Storage.Text(), Host.Registry, Host.Rows, UserInterface};
  TMainWindowModel Model{Host.Planner, Host.Rows, Presets, Settings, UserInterface, View};
  std::vector<bool> Awake;
};

TEST_F(MainWindowModelTest, NotificationsShowStateStatusAndBalloons) {
  Settings.ShowTrayMessages = true;
  Settings.PreventSystemSleepWhileRunning = true;
  Host.AddCountdown(10);
  Host.Planner.Start();
  EXPECT_EQ(View.Status, "Started");
  Host.Planner.Stop();
  EXPECT_EQ(View.Status, "Stopped");
  EXPECT_EQ(View.Calls, (Strings{"running", "balloon Started: Events have been started.", "idle",
                                 "balloon Stopped: Events have been stopped."}));
  EXPECT_EQ(Awake, (std::vector<bool>{true, false}));
}

TEST_F(MainWindowModelTest, FinishingKeepsTheStayAwakeRequestUntilTheNextStop) {
  Settings.ShowTrayMessages = false;
  Settings.PreventSystemSleepWhileRunning = true;
  Settings.MinimizeOnEventsStart = true;
  Host.AddAction("A");
  Host.Planner.Start();
  Host.Loop.ProcessMessages();
  EXPECT_EQ(View.Status, "Finished");
  EXPECT_EQ(View.Calls, (Strings{"running", "hide", "idle"}));
  EXPECT_EQ(Awake, (std::vector<bool>{true}));
  EXPECT_TRUE(Model.StayAwakeActive());
}

TEST_F(MainWindowModelTest, EveryStopLetsTheSystemSleepAgainWhoeverAskedItToStayAwake) {
  // The setting is off at the start; the options dialog may turn it on, and ask, meanwhile.
  Settings.PreventSystemSleepWhileRunning = false;
  Host.AddCountdown(10);
  Host.Planner.Start();
  EXPECT_TRUE(Awake.empty());
  Host.Planner.Stop();
  EXPECT_EQ(Awake, (std::vector<bool>{false}));
}

TEST_F(MainWindowModelTest, RefreshShowsStatusesElapsedTimeAndTheTrayHint) {
  Settings.EventStatusInTrayIconHint = true;
  Settings.EventDetailsInTrayIconHint = true;
  Host.AddCountdown(10000);
  Host.AddAction("A", "fail");
  Host.Planner.Start();
  Host.Loop.Advance(3723000);
  Model.Refresh();
  EXPECT_EQ(View.Status, "Running for 1:02:03");
  EXPECT_EQ(View.Hint, "Countdown\r\nWait 2:46:40\r\nTime left: 1:44:37");
  EXPECT_EQ(Host.Rows.EventRows()[0].Status, "Time left: 1:44:37");
  Host.Loop.Advance(10000000);
  Model.Refresh();
  EXPECT_EQ(Host.Rows.ActionRows()[0].Status, "Error") << "the last run's statuses stay";
  EXPECT_EQ(Host.Rows.EventRows()[0].Status, "") << "events show no status while idle";

  Host.Rows.EventRows()[0].Config = "TIME=0:01:40;";
  Host.AddCountdown(200);
  Settings.EventDetailsInTrayIconHint = false;
  Host.Planner.Start();
  Host.Loop.Advance(5000);
  Model.Refresh();
  EXPECT_EQ(Host.Rows.EventRows()[1].Status, "Time left: 0:03:15");
  EXPECT_EQ(View.Hint, "Running for 0:00:05\r\nMonitoring 2 event(s)") << "two events";
}

TEST_F(MainWindowModelTest, PlannerMessagesBecomeBoxesAndCloseAsksTheWindow) {
  Host.Planner.Start();
  ASSERT_EQ(UserInterface.Shown.size(), 1u);
  EXPECT_EQ(UserInterface.Shown[0].Kind, dkWarning);
  EXPECT_EQ(View.Calls, Strings{"arrow"}) << "the hourglass of Start ends before the box";
  Host.AddAction("Bye", "ok", kaoCloseApplication);
  Host.Planner.ExecuteNow();
  EXPECT_EQ(View.Calls.back(), "close");
}

TEST_F(MainWindowModelTest, RowsAreAddedAboveBelowOrAtTheEndAndMoved) {
  auto Row = [](const char* Caption) { return TItemRow{Caption, {}, {}, {}, "X"}; };
  EXPECT_EQ(Model.InsertRow(ilEvents, Row("a"), amNew, -1), 0);
  EXPECT_EQ(Model.InsertRow(ilEvents, Row("b"), amNew, 0), 1);
  EXPECT_EQ(Model.InsertRow(ilEvents, Row("c"), amAbove, 1), 1);
  EXPECT_EQ(Model.InsertRow(ilEvents, Row("d"), amBelow, 0), 1);
  EXPECT_EQ(Model.InsertRow(ilEvents, Row("e"), amBelow, -1), 4) << "nothing selected: at the end";
  auto Captions = [this] {
    Strings Result;
    for (const auto& R : Host.Rows.EventRows())
      Result.push_back(R.Caption);
    return Result;
  };
  EXPECT_EQ(Captions(), (Strings{"a", "d", "c", "b", "e"}));
  EXPECT_EQ(Model.MoveRow(ilEvents, 0, -1), 0) << "nothing above the first";
  EXPECT_EQ(Model.MoveRow(ilEvents, 4, +1), 4) << "nothing below the last";
  EXPECT_EQ(Model.MoveRow(ilEvents, 1, +1), 2);
  Model.RemoveRow(ilEvents, 0);
  EXPECT_EQ(Captions(), (Strings{"c", "d", "b", "e"}));
  Model.RemoveAllRows(ilEvents);
  EXPECT_TRUE(Captions().empty());
}

TEST_F(MainWindowModelTest, ExportsTheListsAsNumberedLines) {
  Host.SetLogic(kolOR);
  Host.Rows.EventRows() = {{"Countdown", "Wait 0:10:00", {}, {}, "Countdown"},
                           {"Lid", "", {}, {}, "Lid"}};
  Host.Rows.ActionRows() = {{"Shutdown", "Not forced", {}, {}, "Shutdown"}};
  EXPECT_EQ(Model.ListText(ilEvents), "1) Countdown: Wait 0:10:00\r\n2) Lid");
  EXPECT_EQ(Model.ProjectText(),
            "Events [OR]:\r\n1) Countdown: Wait 0:10:00\r\n2) Lid\r\nActions:\r\n"
            "1) Shutdown: Not forced");
  Host.Rows.EventRows().clear();
  EXPECT_EQ(Model.ListText(ilEvents), "");
}

TEST_F(MainWindowModelTest, PresetMenuShowsAmpersandsAndNumbersTheFirstNine) {
  for (const char* Name : {"R&D", "a", "b", "c", "d", "e", "f", "g", "h", "i"})
    ASSERT_TRUE(Presets.SavePreset(Name, false));
  const auto Menu = Model.PresetMenu();
  ASSERT_EQ(Menu.size(), 10u);
  EXPECT_EQ(Menu[0].Caption, "a");
  EXPECT_EQ(Menu[0].Shortcut, 1);
  EXPECT_EQ(Menu[8].Shortcut, 9);
  EXPECT_EQ(Menu[9].Caption, "R&&D");
  EXPECT_EQ(Menu[9].Shortcut, 0);
  EXPECT_EQ(TMainWindowModel::PresetNameFromCaption("R&&D"), "R&D");
  EXPECT_EQ(TMainWindowModel::PresetNameFromCaption("&Night"), "Night");
}

TEST_F(MainWindowModelTest, PresetsLoadOnlyWhileIdleAndSaveAsksFirst) {
  Host.AddCountdown(5);
  ASSERT_TRUE(Presets.SavePreset("Work", false));
  Host.Planner.Start();
  EXPECT_FALSE(Model.LoadPreset("Work"));
  EXPECT_EQ(UserInterface.Shown.back().Text, "Cannot load preset while planner is running.");
  Host.Planner.Stop();
  EXPECT_TRUE(Model.LoadPreset("Work"));

  UserInterface.Answer(drNo);
  EXPECT_FALSE(Model.SavePreset());
  EXPECT_EQ(UserInterface.Shown.back().Text, "Save current preset?\r\n\r\n\"Work\"");
  UserInterface.Answer(drYes);
  EXPECT_TRUE(Model.SavePreset());
}

TEST_F(MainWindowModelTest, SaveAsAsksForANameAndIgnoresABlankOne) {
  UserInterface.InputAnswers = {std::nullopt, std::string("  "), std::string("Night")};
  EXPECT_FALSE(Model.SavePreset()) << "no current preset: Save asks for a name, then cancelled";
  EXPECT_FALSE(Model.SavePresetAs());
  EXPECT_TRUE(Model.SavePresetAs());
  EXPECT_EQ(Presets.ListPresets(), Strings{"Night"});
  EXPECT_EQ(UserInterface.Asked[0], "Save Preset: Please specify a name for the new preset: []");
}

TEST_F(MainWindowModelTest, LinksStartTheProgramWithEachQuickActionOrPreset) {
  TSimMachine Machine;
  TKoQuickActions Quick(Host.Services);
  EXPECT_EQ(Model.CreateLinksToActions(Quick, Machine.Shell, "C:\\K\\kolvane.exe"), 0)
      << "a cancelled folder choice does nothing";
  EXPECT_TRUE(UserInterface.Shown.empty());

  UserInterface.FolderAnswers = {std::string("C:\\Links")};
  const int Created = Model.CreateLinksToActions(Quick, Machine.Shell, "C:\\K\\kolvane.exe");
  EXPECT_EQ(Created, static_cast<int>(Quick.QuickActions().size()));
  ASSERT_FALSE(Machine.Shortcuts.empty());
  EXPECT_EQ(Machine.Shortcuts[0].LinkFile, std::string("C:\\Links") + PathDelim + "Shutdown.lnk");
  EXPECT_EQ(Machine.Shortcuts[0].Arguments, "/action \"Shutdown\"");
  EXPECT_EQ(Machine.Shortcuts[0].Target, "C:\\K\\kolvane.exe");
  EXPECT_EQ(UserInterface.Shown.back().Text, "Created " + std::to_string(Created) + " links.");
  EXPECT_EQ(UserInterface.Shown.back().Kind, dkInformation);

  UserInterface.FolderAnswers = {std::string("C:\\Links")};
  EXPECT_EQ(Model.CreateLinksToPresets(Machine.Shell, "C:\\K\\kolvane.exe"), 0);
  EXPECT_EQ(UserInterface.Shown.back().Text, "Created 0 links.");
  EXPECT_EQ(UserInterface.Shown.back().Kind, dkWarning);
}

TEST(MainWindowSettingsTest, StartHiddenAndColumnWidths) {
  TSettings Settings;
  EXPECT_FALSE(StartsHidden(Settings));
  Settings.MinimizeOnEventsStart = true;
  EXPECT_FALSE(StartsHidden(Settings));
  Settings.StartEventsOnProgramLaunch = true;
  EXPECT_TRUE(StartsHidden(Settings)) << "it would hide at once anyway";

  EXPECT_EQ(ParseColumnWidths("120|x|90|"), (std::vector<int>{120, 90}));
  EXPECT_EQ(ParseColumnWidths(""), std::vector<int>{});
  EXPECT_EQ(FormatColumnWidths({100, 200, 170}), "100|200|170|");
}

}  // namespace
