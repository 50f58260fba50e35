#include "core/uTimer.h"

#include <gtest/gtest.h>

#include "platform/sim/uSimEventLoop.h"

namespace {

class TimerTest : public ::testing::Test {
 protected:
  TSimEventLoop Loop;
  TTimerEx Timer{Loop};
  int Ticks = 0;

  void SetUp() override {
    Timer.SetOnTimer([this] { ++Ticks; });
  }
};

TEST_F(TimerTest, StartsDisabledWithZeroStartTick) {
  Loop.SetTickCount64(5000);
  TTimerEx Fresh(Loop);
  EXPECT_FALSE(Fresh.Enabled());
  EXPECT_EQ(Fresh.StartTick(), 0u);
  EXPECT_EQ(Fresh.Interval(), 1000u);
  EXPECT_EQ(Fresh.Elapsed(), 0u);
}

TEST_F(TimerTest, FiresAtItsIntervalAndNotBefore) {
  Timer.SetInterval(250);
  Timer.SetEnabled(true);
  Loop.Advance(249);
  EXPECT_EQ(Ticks, 0);
  Loop.Advance(1);
  EXPECT_EQ(Ticks, 1);
  Loop.Advance(750);
  EXPECT_EQ(Ticks, 4);
}

TEST_F(TimerTest, DisablingStopsIt) {
  Timer.SetEnabled(true);
  Loop.Advance(1000);
  ASSERT_EQ(Ticks, 1);
  Timer.SetEnabled(false);
  Loop.Advance(10000);
  EXPECT_EQ(Ticks, 1);
  EXPECT_EQ(Timer.Elapsed(), 0u);
}

TEST_F(TimerTest, HandlerMayDisableItsOwnTimer) {
  Timer.SetOnTimer([this] {
    ++Ticks;
    Timer.SetEnabled(false);
  });
  Timer.SetEnabled(true);
  Loop.Advance(5000);
  EXPECT_EQ(Ticks, 1);
}

TEST_F(TimerTest, EnablingSetsStartTick) {
  Loop.Advance(1234);
  Timer.SetEnabled(true);
  EXPECT_EQ(Timer.StartTick(), 1234u);
  Loop.Advance(500);
  EXPECT_EQ(Timer.Elapsed(), 500u);
}

TEST_F(TimerTest, ChangingTheIntervalWhileEnabledRearms) {
  Timer.SetInterval(1000);
  Timer.SetEnabled(true);
  Loop.Advance(700);
  Timer.SetInterval(1000);  // same value: nothing changes
  EXPECT_EQ(Timer.StartTick(), 0u);
  Timer.SetInterval(500);
  EXPECT_EQ(Timer.StartTick(), 700u);
  EXPECT_EQ(Timer.Elapsed(), 0u);
  Loop.Advance(499);
  EXPECT_EQ(Ticks, 0) << "the old interval must not fire after the change";
  Loop.Advance(1);
  EXPECT_EQ(Ticks, 1);
}

TEST_F(TimerTest, ChangingTheIntervalWhileDisabledKeepsStartTick) {
  Loop.Advance(700);
  Timer.SetInterval(500);
  EXPECT_EQ(Timer.StartTick(), 0u);
}

TEST_F(TimerTest, ChangingTheHandlerWhileEnabledRearms) {
  Timer.SetEnabled(true);
  Loop.Advance(600);
  int Other = 0;
  Timer.SetOnTimer([&Other] { ++Other; });
  EXPECT_EQ(Timer.StartTick(), 600u);
  Loop.Advance(1000);
  EXPECT_EQ(Ticks, 0);
  EXPECT_EQ(Other, 1);
}

TEST_F(TimerTest, ElapsedAcrossThe32BitTickWrap) {
  Loop.SetTickCount64(0xFFFFFFFFull - 300);
  Timer.SetEnabled(true);
  Loop.Advance(1000);
  EXPECT_EQ(Loop.TickCount32(), 699u);
  EXPECT_EQ(Timer.Elapsed(), 1000u);
  EXPECT_EQ(Ticks, 1);
}

TEST_F(TimerTest, ElapsedClampsWhenTheDifferenceNoLongerFitsASigned32BitNumber) {
  Timer.SetInterval(0x7FFFFFFF);
  Timer.SetEnabled(true);
  Loop.Advance(0x7FFFFFFFull - 1);
  EXPECT_EQ(Timer.Elapsed(), 0x7FFFFFFEu);
  Timer.SetEnabled(false);
  Timer.SetInterval(1000);
  Loop.SetTickCount64(0);
  Timer.SetEnabled(true);
  Loop.SetTickCount64(0x80000000ull);
  EXPECT_EQ(Timer.Elapsed(), 0u);
}

}  // namespace
