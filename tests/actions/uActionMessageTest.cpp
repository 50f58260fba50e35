// The Message action and its window's behaviour, in virtual time.

#include <gtest/gtest.h>

#include "actions/uActionMessage.h"
#include "actions/uMessageWindowModel.h"
#include "support/uPlannerHost.h"
#include "uActionsHost.h"

namespace {

TEST(ActionMessageTest, DescriptionsDescribeTextDurationAndOptions) {
  TActionsHost Host;
  const std::pair<const char*, const char*> Cases[] = {
      {"", "Message \"\" for 0 seconds"},  // a missing "Seconds" reads as 0
      {"TEXT=Bye;SECONDS=59;", "Message \"Bye\" for 59 seconds"},
      {"TEXT=Bye;SECONDS=75;", "Message \"Bye\" for 1 minutes 15 seconds"},
      {"TEXT=Bye;SECONDS=120;", "Message \"Bye\" for 2 minutes"},
      {"TEXT=Save your work now, please;", "Message \"Save your work no...\" for 0 seconds"},
      {"TEXT=Exactly twenty chars;", "Message \"Exactly twenty chars\" for 0 seconds"},
      // Characters, not bytes: twenty-one letters of two bytes each are cut after seventeen.
      {"TEXT=ääääääääääääääääääää ä;", "Message \"äääääääääääääääää...\" for 0 seconds"},
      {"TEXT=x;SECONDS=5;MINIMIZEALLWINDOWS=True;DISABLERESTART=True;DISABLECANCEL=True;"
       "DISABLEEXIT=True;STAYONTOP=True;",
       "Message \"x\" for 5 seconds (minimize all) (on top) (no cancel) (no restart) (no exit)"},
  };
  for (const auto& [Config, Description] : Cases)
    EXPECT_EQ(Host.Action("Message", Config)->GetDescription(), Description) << Config;
}

TEST(ActionMessageTest, SettingsRoundTripInTheirOrder) {
  TActionsHost Host;
  auto Message = Host.Registry.CreateAction("Message");
  EXPECT_EQ(Message->GetConfigText(),
            "TEXT=;SECONDS=10;MINIMIZEALLWINDOWS=False;DISABLERESTART=False;DISABLECANCEL=False;"
            "DISABLEEXIT=False;STAYONTOP=False;");
  EXPECT_FALSE(Message->Terminal());
  Message->SetConfigText("TEXT=Line%0D%0Atwo;SECONDS=3;STAYONTOP=True;");
  EXPECT_EQ(Message->Clone(true)->GetConfigText(), Message->GetConfigText());
}

TEST(ActionMessageTest, TheWindowsResultDecidesWhatThePlannerDoesNext) {
  const std::pair<TMessageWindowResult, TKoActionOutcome> Cases[] = {
      {mwrTimedOut, kaoContinue},
      {mwrContinue, kaoContinue},
      {mwrCancel, kaoStop},
      {mwrRestart, kaoRestartEvents},
      {mwrExit, kaoCloseApplication}};
  for (const auto& [Result, Expected] : Cases) {
    TActionsHost Host;
    auto Message = Host.Action("Message", "TEXT=Going down;SECONDS=30;DISABLEEXIT=True;");
    Host.ModalWindows.Answers.push_back(Result);
    TKoActionOutcome Outcome = kaoContinue;
    EXPECT_TRUE(Message->Run(Outcome));
    EXPECT_EQ(Outcome, Expected) << int(Result);
    ASSERT_EQ(Host.ModalWindows.Shown.size(), 1u);
    const TMessageWindowOptions& Shown = Host.ModalWindows.Shown[0];
    EXPECT_EQ(Shown.Text, "Going down");
    EXPECT_EQ(Shown.Seconds, 30);
    EXPECT_TRUE(Shown.DisableExit);
    EXPECT_FALSE(Shown.DisableCancel);
  }
}

TEST(ActionMessageTest, MinimizesAllWindowsFirstWhenAsked) {
  TActionsHost Host;
  std::size_t CallsBeforeWindow = 0;
  Host.ModalWindows.WhileOpen = [&] { CallsBeforeWindow = Host.Machine.Calls.size(); };
  auto Message = Host.Action("Message", "MINIMIZEALLWINDOWS=True;");
  EXPECT_TRUE(Message->Run());
  ASSERT_EQ(CallsBeforeWindow, 1u);
  EXPECT_EQ(Host.Machine.Calls[0], "Shell.Application MinimizeAll");
}

TEST(ActionMessageTest, RestartFromTheWindowRestartsThePlanner) {
  TPlannerHost Host;
  TSimModalWindows& Windows = Host.ModalWindows;
  Host.AddCountdown(2);
  Host.Rows.ActionRows().push_back({{}, {}, {}, "TEXT=Restart?;", "Message"});
  Windows.Answers = {mwrRestart};
  Host.Planner.Start();
  Host.Loop.Advance(2000);
  EXPECT_EQ(Windows.Shown.size(), 1u);
  EXPECT_EQ(Host.Planner.State(), kpsMonitoring);
  EXPECT_EQ(Host.Notifications,
            (std::vector<std::string>{"prepare", "started", "stopped", "prepare", "started"}));
}

// --- The window's own behaviour --------------------------------------------------------------

class MessageWindowModelTest : public testing::Test, protected TMessageWindowModel::TView {
 protected:
  void ShowTimeLeft(const std::string& Text) override { TimeLeft = Text; }
  void ShowProgress(int Position, int Maximum) override {
    Progress = Position;
    ProgressMaximum = Maximum;
  }
  void CloseWindow() override { ++Closed; }

  TSimEventLoop Loop;
  TMessageWindowModel Model{Loop, *this};
  std::string TimeLeft;
  int Progress = -1;
  int ProgressMaximum = -1;
  int Closed = 0;
};

TEST_F(MessageWindowModelTest, CountsDownAndClosesWhenTheTimeRunsOut) {
  Model.SetUp({"Bye", 75});
  EXPECT_EQ(TimeLeft, "1 mins 15 secs");
  EXPECT_EQ(Progress, 0);
  EXPECT_EQ(ProgressMaximum, 75);
  Model.Shown();
  Loop.Advance(16000);
  EXPECT_EQ(TimeLeft, "59 seconds");
  EXPECT_EQ(Progress, 16);
  EXPECT_EQ(Closed, 0);
  Loop.Advance(59000);
  EXPECT_EQ(Closed, 1);
  EXPECT_EQ(Model.Result(), mwrTimedOut);
  Loop.Advance(10000);
  EXPECT_EQ(Closed, 1) << "timers stop with the window";
}

TEST_F(MessageWindowModelTest, WithoutSecondsItWaitsForAButton) {
  Model.SetUp({"Bye", 0});
  EXPECT_EQ(TimeLeft, "0 seconds");
  Model.Shown();
  Loop.Advance(24 * 3600 * 1000);
  EXPECT_EQ(Closed, 0);
  Model.RestartPressed();
  EXPECT_EQ(Closed, 1);
  EXPECT_EQ(Model.Result(), mwrRestart);
}

TEST_F(MessageWindowModelTest, ButtonsAndKeysGiveTheirResults) {
  struct Case {
    void (TMessageWindowModel::*Press)();
    bool DisableCancel;
    int ClosedAfter;
    TMessageWindowResult Result;
  };
  const Case Cases[] = {
      {&TMessageWindowModel::ContinuePressed, false, 1, mwrContinue},
      {&TMessageWindowModel::CancelPressed, false, 1, mwrCancel},
      {&TMessageWindowModel::RestartPressed, false, 1, mwrRestart},
      {&TMessageWindowModel::ExitPressed, false, 1, mwrExit},
      {&TMessageWindowModel::ClosePressed, false, 1, mwrTimedOut},
      {&TMessageWindowModel::EscapePressed, false, 1, mwrCancel},
      {&TMessageWindowModel::EscapePressed, true, 0, mwrTimedOut},
  };
  for (const auto& C : Cases) {
    Closed = 0;
    TMessageWindowOptions Options{"x", 30};
    Options.DisableCancel = C.DisableCancel;
    Model.SetUp(Options);
    Model.Shown();
    (Model.*C.Press)();
    EXPECT_EQ(Closed, C.ClosedAfter);
    EXPECT_EQ(Model.Result(), C.Result);
  }
}

TEST_F(MessageWindowModelTest, DisabledButtonsAreReported) {
  TMessageWindowOptions Options{"x", 5};
  Options.DisableRestart = true;
  Options.DisableExit = true;
  Model.SetUp(Options);
  EXPECT_TRUE(Model.CancelEnabled());
  EXPECT_FALSE(Model.RestartEnabled());
  EXPECT_FALSE(Model.ExitEnabled());
}

}  // namespace
