#include "app/uSleepPrevention.h"

#include <gtest/gtest.h>

#include "platform/sim/uSimExecutionState.h"
#include "support/uOptionsTestHost.h"

namespace {

class SleepPreventionTest : public testing::Test {
 protected:
  TSimExecutionState State;
  TOptionsTestHost::TSystem System;
  TSleepPrevention Prevention{State, System};
};

TEST_F(SleepPreventionTest, KeepsTheSystemAwakeUntilAllowedAgain) {
  EXPECT_FALSE(Prevention.AllowSystemSleep()) << "nothing to withdraw yet";
  EXPECT_TRUE(State.Calls.empty());

  EXPECT_TRUE(Prevention.PreventSystemSleep());
  EXPECT_TRUE(Prevention.Preventing());
  EXPECT_TRUE(Prevention.AllowSystemSleep());
  EXPECT_FALSE(Prevention.Preventing());
  EXPECT_FALSE(Prevention.AllowSystemSleep()) << "withdrawn once only";
  EXPECT_EQ(State.Calls, (std::vector<std::uint32_t>{0x80000001, 0x80000000}));
  EXPECT_EQ(State.State, 0x80000000u);
}

TEST_F(SleepPreventionTest, DoesNothingBeforeXPOrWithoutTheFunction) {
  const struct {
    TOsVersion Version;
    bool Supported;
  } Cases[] = {
      {{1, 4, 90}, false},  // Windows ME
      {{2, 4, 0}, false},   // NT 4
      {{2, 5, 0}, false},   // 2000
      {{2, 5, 1}, true},    // XP
      {{2, 6, 1}, true},    // 7
      {{2, 10, 0}, true},
  };
  for (const auto& Case : Cases) {
    TSimExecutionState Calls;
    TOptionsTestHost::TSystem Version;
    Version.Version = Case.Version;
    TSleepPrevention Subject(Calls, Version);
    EXPECT_EQ(Subject.PreventSystemSleep(), Case.Supported) << Case.Version.Minor;
    EXPECT_EQ(Calls.Calls.size(), Case.Supported ? 1u : 0u);
  }

  State.FunctionExists = false;
  EXPECT_FALSE(Prevention.PreventSystemSleep());
  EXPECT_FALSE(Prevention.Preventing());
}

TEST_F(SleepPreventionTest, AFailedCallChangesNothingRemembered) {
  State.CallsFail = true;
  EXPECT_FALSE(Prevention.PreventSystemSleep());
  EXPECT_FALSE(Prevention.Preventing());

  State.CallsFail = false;
  ASSERT_TRUE(Prevention.PreventSystemSleep());
  State.CallsFail = true;
  EXPECT_FALSE(Prevention.AllowSystemSleep());
  EXPECT_TRUE(Prevention.Preventing()) << "still in force, so a later stop tries again";
  State.CallsFail = false;
  EXPECT_TRUE(Prevention.AllowSystemSleep());
}

}  // namespace
