#include "actions/uSuspend.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "actions/uPrivileges.h"
#include "platform/sim/uSimMachine.h"

namespace {

using testing::ElementsAre;

TEST(SuspendTest, PassesHibernateForceAndWakeEventsInTheSystemsOrder) {
  struct TCase {
    bool Hibernate, Force, DisableWake;
    const char* Call;
  };
  const TCase Cases[] = {
      {false, false, false, "SetSuspendState hibernate=FALSE force=FALSE disablewake=FALSE"},
      {true, false, false, "SetSuspendState hibernate=TRUE force=FALSE disablewake=FALSE"},
      {false, true, false, "SetSuspendState hibernate=FALSE force=TRUE disablewake=FALSE"},
      {false, false, true, "SetSuspendState hibernate=FALSE force=FALSE disablewake=TRUE"},
      {true, true, true, "SetSuspendState hibernate=TRUE force=TRUE disablewake=TRUE"},
  };
  for (const auto& Case : Cases) {
    TSimMachine Machine;
    EXPECT_TRUE(
        SuspendSystem(Machine, Machine.Power, Case.Hibernate, Case.Force, Case.DisableWake));
    EXPECT_THAT(Machine.Calls,
                ElementsAre("AdjustTokenPrivileges SeShutdownPrivilege enable", Case.Call));
  }
}

TEST(SuspendTest, AMissingPrivilegeNeverStopsTheAttempt) {
  TSimMachine Machine;
  Machine.ShutdownPrivilegeHeld = false;
  EXPECT_FALSE(SuspendSystem(Machine, Machine.Power, false, false, false));
  EXPECT_EQ(Machine.Calls.back(), "SetSuspendState hibernate=FALSE force=FALSE disablewake=FALSE");
}

TEST(SuspendTest, Windows9xSuspendsWithoutPrivileges) {
  TSimMachine Machine;
  Machine.Version = {1, 4, 90};
  EXPECT_TRUE(SuspendSystem(Machine, Machine.Power, true, false, false));
  EXPECT_THAT(Machine.Calls,
              ElementsAre("SetSuspendState hibernate=TRUE force=FALSE disablewake=FALSE"));
}

TEST(SuspendTest, MissingFunctionsAreFailures) {
  TSimMachine Machine;
  Machine.SetSuspendStateExists = false;
  Machine.LockWorkStationExists = false;
  EXPECT_FALSE(SuspendSystem(Machine, Machine.Power, false, false, false));
  EXPECT_FALSE(LockWorkstation(Machine.Power));
}

TEST(SuspendTest, LockingMakesOneCall) {
  TSimMachine Machine;
  EXPECT_TRUE(LockWorkstation(Machine.Power));
  EXPECT_THAT(Machine.Calls, ElementsAre("LockWorkStation"));
}

TEST(PrivilegeTest, EnabledOnlyWhenTheTokenHoldsIt) {
  TSimMachine Machine;
  EXPECT_TRUE(EnableShutdownPrivilege(Machine.Power));
  Machine.ShutdownPrivilegeHeld = false;
  EXPECT_FALSE(EnableShutdownPrivilege(Machine.Power));  // call succeeds, not all assigned
  Machine.ShutdownPrivilegeHeld = true;
  Machine.TokenOpens = false;
  EXPECT_FALSE(EnableShutdownPrivilege(Machine.Power));
  Machine.TokenOpens = true;
  EXPECT_FALSE(EnablePrivilege(Machine.Power, "SeNoSuchPrivilege", true));
}

}  // namespace
