#include "core/uPlanner.h"

#include <gtest/gtest.h>

#include "support/uPlannerHost.h"

namespace {

using Strings = std::vector<std::string>;

class PlannerTest : public ::testing::Test {
 protected:
  TPlannerHost Host;
  TKoPlanner& Planner = Host.Planner;
  TSimEventLoop& Loop = Host.Loop;
};

// --- The four logics, end to end with real countdowns -----------------------------------------

TEST_F(PlannerTest, OrRunsTheActionsOnTheFirstTrigger) {
  Host.SetLogic(kolOR);
  Host.AddCountdown(10);
  Host.AddCountdown(5);
  Host.AddAction("A");
  Planner.Start();
  EXPECT_EQ(Planner.State(), kpsMonitoring);
  Loop.Advance(4999);
  EXPECT_TRUE(Host.Executed().empty());
  Loop.Advance(1);
  EXPECT_EQ(Host.Executed(), Strings{"A"});
  EXPECT_EQ(Planner.State(), kpsIdle);
  EXPECT_FALSE(Planner.Events()[0]->Active()) << "the other event is stopped";
  EXPECT_EQ(Host.Notifications, (Strings{"prepare", "started", "finished"}));
}

TEST_F(PlannerTest, AndWaitsForEveryEventOnce) {
  Host.SetLogic(kolAND);
  Host.AddCountdown(5);
  Host.AddCountdown(10);
  Host.AddAction("A");
  Planner.Start();
  Loop.Advance(5000);
  EXPECT_TRUE(Host.Executed().empty());
  EXPECT_FALSE(Planner.Events()[0]->Active()) << "the first countdown stopped itself";
  EXPECT_EQ(Planner.GetEventStatus(0), "Triggered");
  EXPECT_EQ(Planner.GetEventStatus(1), "Time left: 0:00:05");
  Loop.Advance(4999);
  EXPECT_TRUE(Host.Executed().empty());
  Loop.Advance(1);
  EXPECT_EQ(Host.Executed(), Strings{"A"});
}

TEST_F(PlannerTest, AndStopsAnEventThatTriggeredSoItsFlagStays) {
  Host.SetLogic(kolAND);
  Host.AddTestEvent();
  Host.AddTestEvent();
  Host.AddAction("A");
  Planner.Start();
  Host.LiveTestEvent(0).SetTriggered(true);
  Loop.ProcessMessages();
  EXPECT_FALSE(Host.LiveTestEvent(0).Active());
  Host.LiveTestEvent(0).SetTriggered(false);  // a stopped event's change is still recorded...
  Loop.ProcessMessages();
  EXPECT_FALSE(Planner.EventFlags()[0]) << "...the flag follows the event";
  Host.LiveTestEvent(1).SetTriggered(true);
  Loop.ProcessMessages();
  EXPECT_TRUE(Host.Executed().empty());
}

TEST_F(PlannerTest, AllNeedsEveryFlagSetAtTheSameTime) {
  Host.SetLogic(kolALL);
  Host.AddTestEvent();
  Host.AddTestEvent();
  Host.AddAction("A");
  Planner.Start();
  auto& First = Host.LiveTestEvent(0);
  auto& Second = Host.LiveTestEvent(1);

  First.SetTriggered(true);
  Loop.ProcessMessages();
  First.SetTriggered(false);
  Loop.ProcessMessages();
  Second.SetTriggered(true);
  Loop.ProcessMessages();
  EXPECT_TRUE(Host.Executed().empty()) << "the first flag fell back before the second rose";
  EXPECT_TRUE(First.Active());
  EXPECT_TRUE(Second.Active());

  First.SetTriggered(true);
  Loop.ProcessMessages();
  EXPECT_EQ(Host.Executed(), Strings{"A"});
}

TEST_F(PlannerTest, OneByOneStartsEachEventAfterItsPredecessorTriggered) {
  Host.SetLogic(kol1BY1);
  Host.AddCountdown(2);
  Host.AddCountdown(3);
  Host.AddCountdown(1);
  Host.AddAction("A");
  Planner.Start();
  auto Active = [&] {
    std::vector<bool> Result;
    for (const auto& Event : Planner.Events())
      Result.push_back(Event->Active());
    return Result;
  };
  EXPECT_EQ(Active(), (std::vector<bool>{true, false, false}));
  Loop.Advance(2000);
  EXPECT_EQ(Active(), (std::vector<bool>{false, true, false}));
  Loop.Advance(2999);
  EXPECT_EQ(Active(), (std::vector<bool>{false, true, false}));
  Loop.Advance(1);
  EXPECT_EQ(Active(), (std::vector<bool>{false, false, true}));
  EXPECT_TRUE(Host.Executed().empty());
  Loop.Advance(1000);
  EXPECT_EQ(Host.Executed(), Strings{"A"}) << "actions run when the last one triggers, at 6 s";
}

TEST_F(PlannerTest, OneByOneStartFailureReachesTheLoopsErrorHandler) {
  Host.SetLogic(kol1BY1);
  Host.AddCountdown(1);
  Host.AddTestEvent(/*FailStart=*/true);
  Planner.Start();
  EXPECT_THROW(Loop.Advance(1000), EKoException);
  EXPECT_EQ(Planner.State(), kpsMonitoring);
  EXPECT_TRUE(Planner.Events()[1]->Active());
}

TEST_F(PlannerTest, ActionsAloneRunAtTheFirstEvaluation) {
  Host.AddAction("A");
  Host.AddAction("B");
  Planner.Start();
  EXPECT_EQ(Host.Notifications, (Strings{"prepare", "started"}));
  EXPECT_TRUE(Host.Executed().empty()) << "evaluation is deferred";
  Loop.ProcessMessages();
  EXPECT_EQ(Host.Executed(), (Strings{"A", "B"}));
  EXPECT_EQ(Host.Notifications, (Strings{"prepare", "started", "finished"}));
}

TEST_F(PlannerTest, EventsWithoutActionsJustFinish) {
  Host.AddCountdown(1);
  Planner.Start();
  Loop.Advance(1000);
  EXPECT_EQ(Planner.State(), kpsIdle);
  EXPECT_EQ(Host.Notifications, (Strings{"prepare", "started", "finished"}));
}

TEST_F(PlannerTest, RepeatedEvaluationsAreHarmless) {
  Host.AddAction("A");
  Planner.Start();
  Planner.Stop();
  Loop.ProcessMessages();
  EXPECT_TRUE(Host.Executed().empty()) << "an evaluation after the state moved on does nothing";
}

// --- Outcomes ---------------------------------------------------------------------------------

TEST_F(PlannerTest, StopOutcomeEndsTheList) {
  Host.AddAction("A", "ok", kaoStop);
  Host.AddAction("B");
  Planner.Start();
  Loop.ProcessMessages();
  EXPECT_EQ(Host.Executed(), Strings{"A"});
  EXPECT_EQ(Planner.State(), kpsIdle);
  EXPECT_EQ(Host.Notifications, (Strings{"prepare", "started", "stopped"}));
}

TEST_F(PlannerTest, RestartOutcomeMonitorsAgainWithFreshObjects) {
  Host.AddCountdown(1);
  Host.AddAction("A");
  Host.AddAction("Again", "ok", kaoRestartEvents);
  Planner.Start();
  Loop.Advance(1000);
  EXPECT_EQ(Host.Executed(), (Strings{"A", "Again"}));
  EXPECT_EQ(Planner.State(), kpsMonitoring);
  EXPECT_TRUE(Planner.Events()[0]->Active());
  EXPECT_FALSE(Planner.Events()[0]->Triggered());
  EXPECT_EQ(Planner.GetActionStatus(0), "") << "statuses are reset";
  EXPECT_EQ(Planner.GetActionStatus(1), "");
  EXPECT_EQ(Host.Notifications, (Strings{"prepare", "started", "stopped", "prepare", "started"}));
  Loop.Advance(1000);
  EXPECT_EQ(Host.Executed(), (Strings{"A", "Again", "A", "Again"}));
}

TEST_F(PlannerTest, CloseOutcomeStopsAndAsksTheHostToClose) {
  Host.AddAction("A", "ok", kaoCloseApplication);
  Host.AddAction("B");
  Planner.Start();
  Loop.ProcessMessages();
  EXPECT_EQ(Host.Executed(), Strings{"A"});
  EXPECT_EQ(Host.Notifications, (Strings{"prepare", "started", "stopped", "close"}));
}

TEST_F(PlannerTest, RunPresetOutcomeLoadsAndStartsTheOtherPreset) {
  TTestPreset Next;
  Next.Logic = kolOR;
  Next.Events = {{{}, {}, {}, "TIME=0:00:02;", "Countdown"}};
  TQueryStr Config;
  Config.WriteString("Label", "from next");
  Next.Actions = {{{}, {}, {}, Config.Encode(), "TestAction"}};
  Host.Presets["Next"] = Next;

  Host.AddRunPreset("Next");
  Host.AddAction("never");
  Planner.Start();
  Loop.ProcessMessages();
  EXPECT_EQ(Host.Executed(), Strings{"preset Next"});
  EXPECT_EQ(Planner.State(), kpsMonitoring);
  EXPECT_EQ(Planner.Logic(), kolOR);
  ASSERT_EQ(Planner.Events().size(), 1u);
  Loop.Advance(2000);
  EXPECT_EQ(Host.Executed(), (Strings{"preset Next", "from next"}));
}

TEST_F(PlannerTest, RunPresetThatCannotLoadFailsTheActionAndTheListGoesOn) {
  Host.AddRunPreset("Missing");
  Host.AddAction("B");
  Planner.Start();
  Loop.ProcessMessages();
  EXPECT_EQ(Host.Executed(), (Strings{"preset Missing", "B"}));
  EXPECT_EQ(Planner.GetActionStatus(0), "Error: Failed to load preset");
  EXPECT_EQ(Planner.GetActionStatus(1), "Finished");
  EXPECT_EQ(Host.Notifications, (Strings{"prepare", "started", "stopped", "finished"}));
}

TEST_F(PlannerTest, RunPresetWithoutALoaderCountsAsAFailedLoad) {
  Planner.PresetLoader = nullptr;
  Host.Presets["Next"] = {};
  Host.AddRunPreset("Next");
  Planner.Start();
  Loop.ProcessMessages();
  EXPECT_EQ(Planner.GetActionStatus(0), "Error: Failed to load preset");
}

TEST_F(PlannerTest, FailingActionsAreRecordedAndTheListGoesOn) {
  Host.AddAction("A", "fail");
  Host.AddAction("B", "raise");
  Host.AddAction("C");
  Planner.Start();
  Loop.ProcessMessages();
  EXPECT_EQ(Host.Executed(), (Strings{"A", "B", "C"}));
  EXPECT_EQ(Planner.GetActionStatus(0), "Error");
  EXPECT_EQ(Planner.GetActionStatus(1), "Error: broken B");
  EXPECT_EQ(Planner.GetActionStatus(2), "Finished");
  EXPECT_EQ(Planner.GetActionStatus(3), "");
}

// --- Refusals and start flags -----------------------------------------------------------------

TEST_F(PlannerTest, NothingToDoWarnsUnlessSilent) {
  Planner.Start();
  EXPECT_EQ(Host.Messages(),
            Strings{"warning: Planner cannot be started!\r\n\r\nThere must be at least one "
                    "event or action."});
  Host.Notifications.clear();
  Planner.Start(StartSilent);
  EXPECT_EQ(Host.Notifications, Strings{"prepare"});
  EXPECT_EQ(Planner.State(), kpsIdle);
}

TEST_F(PlannerTest, TerminalActionMustBeLastEvenWhenSilent) {
  Host.AddAction("A", "ok", kaoContinue, /*Terminal=*/true);
  Host.AddAction("B", "ok", kaoContinue, /*Terminal=*/true);
  Host.AddAction("C");
  Planner.Start(StartSilent);
  EXPECT_EQ(Host.Messages(), Strings{"warning: Planner cannot start!\r\n\r\nTerminal action "
                                     "\"Terminal A\" must be last on the list."});
  EXPECT_EQ(Planner.State(), kpsIdle);

  Host.ActionRows().erase(Host.ActionRows().begin());
  Host.ActionRows().erase(Host.ActionRows().begin() + 1);  // now: B (terminal) alone, last
  Host.Notifications.clear();
  Planner.Start();
  EXPECT_EQ(Planner.State(), kpsMonitoring);
  EXPECT_TRUE(Host.Messages().empty());
}

TEST_F(PlannerTest, StartWhileRunningRaisesUnlessOnlyIfIdle) {
  Host.AddCountdown(10);
  Planner.Start();
  try {
    Planner.Start();
    FAIL() << "expected EKoPlanner";
  } catch (const EKoPlanner& Error) {
    EXPECT_STREQ(Error.what(), "Cannot perform operation. Planner is running.");
  }
  EXPECT_NO_THROW(Planner.Start(StartSilent | StartIfIdle));
  EXPECT_THROW(Planner.SetLogic(kolOR), EKoPlanner);
  EXPECT_THROW(Planner.SetEvents({}), EKoPlanner);
  EXPECT_THROW(Planner.SetActions({}), EKoPlanner);
  EXPECT_EQ(Planner.State(), kpsMonitoring);
}

TEST_F(PlannerTest, EventFailingToStartStopsEverythingAndReportsAnError) {
  Host.AddCountdown(10);
  Host.AddTestEvent(/*FailStart=*/true);
  Planner.Start();
  EXPECT_EQ(Planner.State(), kpsIdle);
  EXPECT_FALSE(Planner.Events()[0]->Active());
  EXPECT_EQ(Host.Notifications,
            (Strings{"prepare",
                     "error: Planner has failed to start due a critical problem:"
                     "\r\n\r\nsensor missing"}));
}

TEST_F(PlannerTest, NowWhileExecutingWarnsAndDoesNothingElse) {
  Host.AddAction("A");
  Host.AddAction("B");
  TestActionLog().DuringExecute = [&](const std::string& Label) {
    if (Label == "A")
      Planner.ExecuteNow();
  };
  Planner.ExecuteNow();
  EXPECT_EQ(Host.Executed(), (Strings{"A", "B"}));
  EXPECT_EQ(Host.Messages(), Strings{"warning: Actions are already executing."});
}

TEST_F(PlannerTest, NowFromIdleTakesFreshListsWithoutChecks) {
  Host.AddAction("T", "ok", kaoContinue, /*Terminal=*/true);
  Host.AddAction("B");
  Planner.ExecuteNow();
  EXPECT_EQ(Host.Executed(), (Strings{"T", "B"})) << "no terminal check on this path";
  EXPECT_EQ(Host.Notifications, (Strings{"prepare", "finished"}));
}

TEST_F(PlannerTest, NowWhileMonitoringStopsTheEventsWithoutNotice) {
  Host.AddCountdown(10);
  Host.AddAction("A");
  Planner.Start();
  Planner.ExecuteNow();
  EXPECT_FALSE(Planner.Events()[0]->Active());
  EXPECT_EQ(Host.Notifications, (Strings{"prepare", "started", "finished"}));
  Loop.Advance(20000);
  EXPECT_EQ(Host.Executed(), Strings{"A"});
}

TEST_F(PlannerTest, SuspendPausesOnlyAMonitoringPlanner) {
  Host.AddCountdown(10);
  Host.AddAction("A");
  Planner.Start(StartSilent | StartIfIdle | StartIfPaused);
  EXPECT_EQ(Planner.State(), kpsIdle) << "not paused: a resume starts nothing";

  Planner.Start();
  EXPECT_TRUE(Planner.PauseForSuspend());
  EXPECT_EQ(Planner.State(), kpsIdle);
  Planner.Start(StartSilent | StartIfIdle | StartIfPaused);
  EXPECT_EQ(Planner.State(), kpsMonitoring);
  EXPECT_FALSE(Planner.PausedBySuspend());

  Planner.Stop();
  EXPECT_FALSE(Planner.PauseForSuspend()) << "idle: nothing to pause";
}

TEST_F(PlannerTest, SuspendWhileExecutingPausesNothing) {
  Host.AddAction("A");
  bool Paused = true;
  TestActionLog().DuringExecute = [&](const std::string&) { Paused = Planner.PauseForSuspend(); };
  Planner.ExecuteNow();
  EXPECT_FALSE(Paused);
  Planner.Start(StartSilent | StartIfIdle | StartIfPaused);
  EXPECT_EQ(Planner.State(), kpsIdle) << "a resume does not start what was not paused";
}

TEST_F(PlannerTest, StopFromANestedLoopLetsTheListFinish) {
  Host.AddAction("A");
  Host.AddAction("B");
  TestActionLog().DuringExecute = [&](const std::string& Label) {
    if (Label == "A")
      Planner.Stop();
  };
  Planner.ExecuteNow();
  EXPECT_EQ(Host.Executed(), (Strings{"A", "B"}));
  EXPECT_EQ(Host.Notifications, (Strings{"prepare", "stopped", "finished"}));
}

TEST_F(PlannerTest, StartFromANestedLoopAfterAStopDoesNotPullTheListAway) {
  Host.AddAction("A");
  Host.AddAction("B");
  Host.AddCountdown(5);
  TestActionLog().DuringExecute = [&](const std::string& Label) {
    if (Label != "A" || Host.Executed().size() > 1)
      return;
    Planner.Stop();
    Planner.Start();  // replaces the list that is running right now
  };
  Planner.Start();
  Planner.ExecuteNow();
  EXPECT_EQ(Host.Executed(), Strings{"A"}) << "the replaced run ends; the new one monitors";
  EXPECT_EQ(Planner.State(), kpsMonitoring);
  Loop.Advance(5000);
  EXPECT_EQ(Host.Executed(), (Strings{"A", "A", "B"}));
}

TEST_F(PlannerTest, StatusQueriesIgnoreIndexesOutsideTheLists) {
  Host.AddCountdown(10);
  Planner.Start();
  EXPECT_EQ(Planner.GetEventName(0), "Countdown");
  EXPECT_EQ(Planner.GetEventDescription(0), "Wait 0:00:10");
  EXPECT_EQ(Planner.GetEventStatus(0), "Time left: 0:00:10");
  for (int Index : {-1, 1, 100}) {
    EXPECT_EQ(Planner.GetEventName(Index), "");
    EXPECT_EQ(Planner.GetEventDescription(Index), "");
    EXPECT_EQ(Planner.GetEventStatus(Index), "");
    EXPECT_EQ(Planner.GetActionStatus(Index), "");
  }
}

TEST_F(PlannerTest, ElapsedCountsAcrossThe32BitTickWrap) {
  Loop.SetTickCount64(0xFFFFFFFFull - 1000);
  Host.AddCountdown(100);
  Planner.Start();
  Loop.Advance(3000);
  EXPECT_EQ(Planner.GetElapsed(), 3000u);
}

TEST(LogicNameTest, NamesTheFourLogicsOnly) {
  EXPECT_EQ(LogicName(kolALL), "ALL");
  EXPECT_EQ(LogicName(kolAND), "AND");
  EXPECT_EQ(LogicName(kolOR), "OR");
  EXPECT_EQ(LogicName(kol1BY1), "1BY1");
  EXPECT_EQ(LogicName(4), "");
  EXPECT_EQ(LogicName(-1), "");
}

}  // namespace
