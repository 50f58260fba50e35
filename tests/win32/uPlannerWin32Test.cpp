// The planner on the real Windows loop: a countdown's SetTimer timer, the evaluation posted to a
// hidden window, and the action list run from that message.

#include <gtest/gtest.h>

#include "core/uPlanner.h"
#include "events/uEventCountdown.h"
#include "platform/win32/uWin32EventLoop.h"
#include "support/uTestKinds.h"

namespace {

TEST(PlannerWin32Test, TwoSecondCountdownRunsTheActionsThroughRealTimersAndMessages) {
  TWin32EventLoop Loop;
  TKoServices Services{Loop};
  TKoPlanner Planner(Loop);
  TestActionLog() = {};

  Planner.OnPrepare = [&] {
    Planner.Clear();
    TKoEvents Events;
    auto Countdown = TKoEventObject::Create<TKoEventCountdown>(Services);
    Countdown->SetConfigText("TIME=0:00:02;");
    Events.push_back(std::move(Countdown));
    TKoActions Actions;
    auto Action = TKoActionObject::Create<TTestAction>(Services);
    Action->SetConfigText("LABEL=A;");
    Actions.push_back(std::move(Action));
    Planner.SetEvents(std::move(Events));
    Planner.SetActions(std::move(Actions));
  };
  bool Finished = false;
  Planner.OnFinished = [&] { Finished = true; };

  const ULONGLONG Started = GetTickCount64();
  Planner.Start();
  ASSERT_EQ(Planner.State(), kpsMonitoring);
  while (!Finished && GetTickCount64() - Started < 15000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    Loop.ProcessMessages();
    if (!Finished && GetTickCount64() - Started < 1500) {
      EXPECT_TRUE(TestActionLog().Executed.empty()) << "fired too early";
    }
  }
  const ULONGLONG Took = GetTickCount64() - Started;
  ASSERT_TRUE(Finished) << "the countdown never ran the actions";
  EXPECT_GE(Took, 1900u);
  EXPECT_LT(Took, 8000u);
  EXPECT_EQ(TestActionLog().Executed, std::vector<std::string>{"A"});
  EXPECT_EQ(Planner.GetActionStatus(0), "Finished");
  TestActionLog() = {};
}

}  // namespace
