// Sleep and wake-up as the main window handles them: its power monitor's notifications applied to
// a real planner on the simulated loop.

#include <gtest/gtest.h>

#include "events/uSleepWake.h"
#include "support/uPlannerHost.h"

namespace {

class SleepWakeTest : public ::testing::Test {
 protected:
  SleepWakeTest() {
    Monitor.OnNotify = [this](TPowerEventMonitor&, TPowerEventKind Kind) {
      ApplyPowerEventToPlanner(Host.Planner, Kind, Settings);
    };
    Monitor.Start(pmfSuspendResume);
  }
  void Sleep() { Host.Loop.Broadcast(kWmPowerBroadcast, kPbtApmSuspend, 0); }
  void WakeUp() { Host.Loop.Broadcast(kWmPowerBroadcast, kPbtApmResumeAutomatic, 0); }
  int Count(const std::string& Note) const {
    return static_cast<int>(std::count(Host.Notifications.begin(), Host.Notifications.end(), Note));
  }

  TPlannerHost Host;
  TSleepWakeSettings Settings;
  TPowerEventMonitor Monitor{Host.Services};
};

TEST_F(SleepWakeTest, SettingsDecideWhatSleepAndWakeUpDoToTheRunningPlanner) {
  struct TCase {
    const char* Name;
    TSleepWakeSettings Settings;
    bool RunningAfterSleep;
    bool RunningAfterWakeUp;
    int Starts;  // starts seen over the whole round
  } Cases[] = {
      {"nothing set", {false, false, false}, true, true, 1},
      {"stop only", {true, false, false}, false, false, 1},
      {"stop and start", {true, true, false}, false, true, 2},
      {"stop and start if it was running", {true, true, true}, false, true, 2},
      {"start only: still running, left alone", {false, true, false}, true, true, 1},
      {"start if paused, never paused", {false, true, true}, true, true, 1},
  };
  for (const auto& Case : Cases) {
    Host.Notifications.clear();
    Host.Rows.EventRows().clear();
    Host.AddCountdown(600);
    Settings = Case.Settings;
    Host.Planner.Start();
    ASSERT_TRUE(Host.Planner.IsRunning()) << Case.Name;
    Host.Loop.Advance(60000);

    Sleep();
    EXPECT_EQ(Host.Planner.IsRunning(), Case.RunningAfterSleep) << Case.Name;
    EXPECT_EQ(Host.Planner.PausedBySuspend(), !Case.RunningAfterSleep) << Case.Name;
    WakeUp();
    EXPECT_EQ(Host.Planner.IsRunning(), Case.RunningAfterWakeUp) << Case.Name;
    EXPECT_EQ(Count("started"), Case.Starts) << Case.Name;
    EXPECT_TRUE(Host.Messages().empty()) << Case.Name;
    if (Case.Starts == 2) {
      EXPECT_EQ(Count("prepare"), 2) << Case.Name << ": the restart works on fresh objects";
      EXPECT_EQ(Host.Planner.GetEventStatus(0), "Time left: 0:10:00") << Case.Name;
      EXPECT_FALSE(Host.Planner.PausedBySuspend()) << Case.Name;
    }
    Host.Planner.Stop();
  }
}

TEST_F(SleepWakeTest, WakingUpAnIdlePlannerStartsItOnlyWhenNotLimitedToAPausedOne) {
  Host.AddCountdown(600);
  Settings = {true, true, true};
  WakeUp();
  EXPECT_FALSE(Host.Planner.IsRunning()) << "it was not running before the sleep";
  Sleep();
  WakeUp();
  EXPECT_FALSE(Host.Planner.IsRunning()) << "sleeping while idle pauses nothing";

  Settings = {false, true, false};
  WakeUp();
  EXPECT_TRUE(Host.Planner.IsRunning());
}

TEST_F(SleepWakeTest, WakingUpWithNothingToRunStaysSilent) {
  Settings = {true, true, false};
  WakeUp();
  EXPECT_FALSE(Host.Planner.IsRunning());
  EXPECT_TRUE(Host.Messages().empty());
}

TEST_F(SleepWakeTest, SleepWhileTheActionsRunPausesNothing) {
  // The Sleep action itself sends the machine to sleep while the list runs.
  Host.AddTestEvent();
  Host.AddAction("sleep");
  Host.AddAction("after");
  Settings = {true, true, true};
  TestActionLog().DuringExecute = [this](const std::string& Label) {
    if (Label != "sleep")
      return;
    Sleep();
    WakeUp();
    EXPECT_EQ(Host.Planner.State(), kpsExecuting);
  };
  Host.Planner.Start();
  Host.LiveTestEvent(0).SetTriggered(true);
  Host.Loop.Advance(0);
  EXPECT_EQ(Host.Executed(), (std::vector<std::string>{"sleep", "after"}));
  EXPECT_FALSE(Host.Planner.PausedBySuspend());
  EXPECT_FALSE(Host.Planner.IsRunning()) << "finished, and not started again on wake-up";
  WakeUp();
  EXPECT_FALSE(Host.Planner.IsRunning());
}

TEST_F(SleepWakeTest, TwoSuspendBroadcastsAndTwoResumesStartOnce) {
  Host.AddCountdown(600);
  Settings = {true, true, true};
  Host.Planner.Start();
  Sleep();
  Host.Loop.Broadcast(kWmPowerBroadcast, kPbtApmStandby, 0);
  EXPECT_TRUE(Host.Planner.PausedBySuspend());
  WakeUp();
  Host.Loop.Broadcast(kWmPowerBroadcast, kPbtApmResumeStandby, 0);
  EXPECT_TRUE(Host.Planner.IsRunning());
  EXPECT_EQ(Count("started"), 2);
  EXPECT_EQ(Count("stopped"), 1);
}

}  // namespace
