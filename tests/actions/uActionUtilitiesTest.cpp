// Utilities and Hang Up on the simulated machine.

#include <gtest/gtest.h>

#include "support/uPlannerHost.h"
#include "uActionsHost.h"

namespace {

TEST(ActionUtilitiesTest, OperationsDescriptionsAndTerminalFlags) {
  struct Case {
    const char* Config;
    const char* Description;
    bool Terminal;
    TKoActionOutcome Outcome;
  };
  const Case Cases[] = {
      {"", "", false, kaoContinue},
      {"ACTION=1;", "Close application", true, kaoCloseApplication},
      {"ACTION=2;", "Restart events", true, kaoRestartEvents},
      {"ACTION=3;PAUSESECONDS=0;", "Pause for 0 seconds", false, kaoContinue},
      {"ACTION=9;", "", false, kaoContinue},
      {"ACTION=257;", "Close application", true, kaoCloseApplication},  // kept as a byte
  };
  for (const auto& C : Cases) {
    TActionsHost Host;
    auto Utilities = Host.Action("Utilities", C.Config);
    EXPECT_EQ(Utilities->GetDescription(), C.Description) << C.Config;
    EXPECT_EQ(Utilities->Terminal(), C.Terminal) << C.Config;
    TKoActionOutcome Outcome = kaoContinue;
    EXPECT_TRUE(Utilities->Run(Outcome));
    EXPECT_EQ(Outcome, C.Outcome) << C.Config;
  }
  TActionsHost Host;
  EXPECT_EQ(Host.Registry.CreateAction("Utilities")->GetConfigText(), "ACTION=0;PAUSESECONDS=10;");
  EXPECT_EQ(Host.Action("Utilities", "ACTION=3;")->GetDescription(), "Pause for 0 seconds")
      << "a missing key reads as 0";
}

TEST(ActionUtilitiesTest, PauseLetsTimeAndMessagesPassBeforeTheNextAction) {
  TActionsHost Host;
  auto Pause = Host.Action("Utilities", "ACTION=3;PAUSESECONDS=90;");
  int Ticks = 0;
  auto Timer = Host.Loop.CreateTimer([&] { ++Ticks; });
  Timer->Arm(1000);
  EXPECT_TRUE(Pause->Run());
  EXPECT_EQ(Host.Loop.TickCount64(), 90000u);
  EXPECT_EQ(Ticks, 90) << "the program stays responsive during the pause";
}

TEST(ActionUtilitiesTest, TerminalUtilitiesMustBeLastButAPauseMayStandAnywhere) {
  TPlannerHost Host;
  Host.AddAction("A");
  Host.Rows.ActionRows().insert(Host.Rows.ActionRows().begin(),
                                {{}, {}, {}, "ACTION=2;", "Utilities"});
  Host.Planner.Start();
  ASSERT_EQ(Host.Messages().size(), 1u);
  EXPECT_NE(Host.Messages()[0].find("\"Utilities\" must be last"), std::string::npos);

  Host.Rows.ActionRows().front().Config = "ACTION=3;PAUSESECONDS=5;";
  Host.Notifications.clear();
  Host.Planner.Start();
  Host.Loop.ProcessMessages();
  EXPECT_EQ(Host.Executed(), std::vector<std::string>{"A"});
  EXPECT_EQ(Host.Loop.TickCount64(), 5000u);
}

TEST(ActionUtilitiesTest, RestartEventsAsLastActionMonitorsAgainWithFreshStatuses) {
  TPlannerHost Host;
  Host.AddCountdown(1);
  Host.AddAction("A");
  Host.Rows.ActionRows().push_back({{}, {}, {}, "ACTION=2;", "Utilities"});
  Host.Planner.Start();
  Host.Loop.Advance(1000);
  EXPECT_EQ(Host.Planner.State(), kpsMonitoring);
  EXPECT_EQ(Host.Planner.GetActionStatus(0), "");
  EXPECT_EQ(Host.Planner.GetActionStatus(1), "");
}

TEST(ActionHangUpTest, HangsUpEveryConnectionThenWaitsASecond) {
  struct Case {
    bool Library;
    std::vector<std::uintptr_t> Connections;
    std::vector<std::uintptr_t> Failing;
    std::vector<std::uintptr_t> HungUp;
    bool Succeeds;
    std::uint64_t Waited;
  };
  const Case Cases[] = {
      {true, {}, {}, {}, true, 1000},
      {true, {11, 12, 13}, {}, {11, 12, 13}, true, 1000},
      {true, {11, 12, 13}, {12}, {11, 12}, false, 1000},      // stops at the first failure
      {true, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {}, {}, false, 0},  // more than it asks for
      {false, {11}, {}, {}, false, 0},                        // no remote-access library
  };
  for (const auto& C : Cases) {
    TActionsHost Host;
    Host.RemoteAccess.LibraryPresent = C.Library;
    Host.RemoteAccess.Connections = C.Connections;
    Host.RemoteAccess.FailingConnections = C.Failing;
    auto HangUp = Host.Action("HangUp");
    EXPECT_EQ(HangUp->Run(), C.Succeeds);
    EXPECT_EQ(HangUp->GetStatusText(), C.Succeeds ? "Finished" : "Error");
    EXPECT_EQ(Host.RemoteAccess.HungUp, C.HungUp);
    EXPECT_EQ(Host.Loop.TickCount64(), C.Waited);
  }
  TActionsHost Host;
  EXPECT_EQ(Host.Action("HangUp")->GetConfigText(), "");
  EXPECT_EQ(Host.Action("HangUp")->GetDescription(), "");
}

}  // namespace
