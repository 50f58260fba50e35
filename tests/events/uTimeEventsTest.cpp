#include <gtest/gtest.h>

#include "events/uEventCountdown.h"
#include "events/uEventOnTime.h"
#include "events/uEventWeekly.h"
#include "platform/sim/uSimEventLoop.h"
#include "platform/sim/uSimLocale.h"

namespace {

using std::chrono::days;
using std::chrono::hours;
using std::chrono::milliseconds;
using std::chrono::minutes;
using std::chrono::seconds;

class TimeEventsTest : public ::testing::Test {
 protected:
  template <typename TKind>
  std::unique_ptr<TKind> Make(const std::string& Config = {}) {
    auto Event = TKoEventObject::Create<TKind>(Services);
    if (!Config.empty())
      Event->SetConfigText(Config);
    Event->OnTriggeredChange = [this](TKoEventObject&) { ++Triggers; };
    return Event;
  }

  // Starts the event now and returns after how many whole seconds it triggered (or -1 within
  // the limit), stepping the clock one second at a time as its timer would be checked.
  template <typename TEvent>
  std::int64_t SecondsUntilTrigger(TEvent& Event, std::int64_t Limit) {
    Event.Start();
    for (std::int64_t Second = 1; Second <= Limit; ++Second) {
      Loop.Advance(1000);
      if (Event.Triggered())
        return Second;
    }
    return -1;
  }

  TSimEventLoop Loop;
  TSimLocale Locale;
  TKoServices Services{Loop, nullptr, &Locale};
  int Triggers = 0;
};

// --- Countdown --------------------------------------------------------------------------------

TEST_F(TimeEventsTest, CountdownFiresAfterItsDurationAndStaysTriggeredWhileStopped) {
  auto Countdown = Make<TKoEventCountdown>("TIME=0:10:00;");
  Countdown->Start();
  EXPECT_EQ(Countdown->GetStatusText(), "Time left: 0:10:00");
  Loop.Advance(599999);
  EXPECT_FALSE(Countdown->Triggered());
  EXPECT_EQ(Countdown->GetStatusText(), "Time left: 0:00:01");
  Loop.Advance(1);
  EXPECT_TRUE(Countdown->Triggered());
  EXPECT_FALSE(Countdown->Active());
  EXPECT_EQ(Triggers, 1);
  EXPECT_EQ(Countdown->GetStatusText(), "");
}

TEST_F(TimeEventsTest, MalformedOrEmptyDurationsFireOneSecondAfterStart) {
  for (const char* Config : {"TIME=0:00:00;", "TIME=90;", "TIME=-5:00:00;", "TIME=;"}) {
    auto Countdown = Make<TKoEventCountdown>(Config);
    EXPECT_EQ(SecondsUntilTrigger(*Countdown, 5), 1) << Config;
  }
}

TEST_F(TimeEventsTest, CountdownSettingsRoundTrip) {
  auto Countdown = Make<TKoEventCountdown>();
  EXPECT_EQ(Countdown->GetConfigText(), "TIME=0:10:00;");
  EXPECT_EQ(Countdown->GetDescription(), "Wait 0:10:00");
  Countdown->SetConfigText("time=1:2:3;");
  EXPECT_EQ(Countdown->Duration(), 3723);
  EXPECT_EQ(Countdown->GetConfigText(), "TIME=1:02:03;");
}

TEST_F(TimeEventsTest, CountdownLongerThanOneTimerIntervalFiresAfterTheWholeDuration) {
  auto Countdown = Make<TKoEventCountdown>("TIME=720:00:00;");  // 30 days
  Countdown->Start();
  Loop.Advance(std::uint64_t{30} * 24 * 3600 * 1000 - 1);
  EXPECT_FALSE(Countdown->Triggered());
  EXPECT_EQ(Countdown->GetStatusText(), "Time left: 0:00:01");
  Loop.Advance(1);
  EXPECT_TRUE(Countdown->Triggered());
  EXPECT_EQ(Triggers, 1);
}

TEST_F(TimeEventsTest, StoppingACountdownEarlyAndStartingAgainRestartsTheWholeDuration) {
  auto Countdown = Make<TKoEventCountdown>("TIME=0:00:10;");
  Countdown->Start();
  Loop.Advance(8000);
  Countdown->Stop();
  Loop.Advance(5000);
  EXPECT_FALSE(Countdown->Triggered());
  EXPECT_EQ(SecondsUntilTrigger(*Countdown, 20), 10);
}

// --- On Time ----------------------------------------------------------------------------------

TEST_F(TimeEventsTest, OnTimeTargetsAtTheDayBoundary) {
  struct Case {
    TDateTime Now;
    const char* Time;
    TDateTime Target;
  };
  const Case Cases[] = {
      // Later today.
      {MakeDateTime(2026, 3, 2, 12, 0), "13:00:00", MakeDateTime(2026, 3, 2, 13, 0)},
      // Earlier today: tomorrow.
      {MakeDateTime(2026, 3, 2, 12, 0), "11:59:59", MakeDateTime(2026, 3, 3, 11, 59, 59)},
      // Half a second past its time is past it.
      {MakeDateTime(2026, 3, 2, 23, 59, 59, 500), "23:59:59", MakeDateTime(2026, 3, 3, 23, 59, 59)},
      // Exactly now stays today.
      {MakeDateTime(2026, 3, 2, 0, 0), "0:00:00", MakeDateTime(2026, 3, 2, 0, 0)},
      // Across the year's end.
      {MakeDateTime(2026, 12, 31, 23, 0), "22:00:00", MakeDateTime(2027, 1, 1, 22, 0)},
  };
  for (const auto& C : Cases) {
    Loop.SetNow(C.Now);
    auto OnTime = Make<TKoEventOnTime>(std::string("TIME=") + C.Time + ";");
    OnTime->Start();
    EXPECT_EQ(OnTime->Target(), C.Target) << C.Time;
  }
}

TEST_F(TimeEventsTest, OnTimeFiresAtItsMomentCheckedEverySecond) {
  Loop.SetNow(MakeDateTime(2026, 3, 2, 12, 0));
  auto OnTime = Make<TKoEventOnTime>("TIME=12:00:10;");
  EXPECT_EQ(SecondsUntilTrigger(*OnTime, 20), 10);
  EXPECT_FALSE(OnTime->Active());
}

TEST_F(TimeEventsTest, OnTimeAtNowOrOnAPastDateFiresAtTheFirstTick) {
  Loop.SetNow(MakeDateTime(2026, 3, 2, 12, 0));
  auto AtNow = Make<TKoEventOnTime>("TIME=12:00:00;");
  EXPECT_EQ(SecondsUntilTrigger(*AtNow, 5), 1);
  auto PastDate = Make<TKoEventOnTime>("TIME=8:00:00;DATE=2020-01-01;USEDATE=True;");
  EXPECT_EQ(SecondsUntilTrigger(*PastDate, 5), 1);
}

TEST_F(TimeEventsTest, OnTimeSeesClockChangesAtTheNextTick) {
  Loop.SetNow(MakeDateTime(2026, 3, 2, 12, 0));
  auto OnTime = Make<TKoEventOnTime>("TIME=18:00:00;");
  OnTime->Start();
  Loop.Advance(1000);
  EXPECT_EQ(OnTime->GetStatusText(), "Time left: 5:59:59");
  Loop.SetNow(MakeDateTime(2026, 3, 2, 18, 0, 0, 500));
  Loop.Advance(1000);
  EXPECT_TRUE(OnTime->Triggered());
}

TEST_F(TimeEventsTest, OnTimeSettingsAndDescriptions) {
  Loop.SetNow(MakeDateTime(2026, 3, 2, 12, 0));
  auto OnTime = Make<TKoEventOnTime>();
  EXPECT_EQ(OnTime->GetConfigText(), "TIME=0:00:00;DATE=2026-03-02;USEDATE=False;");
  EXPECT_EQ(OnTime->GetDescription(), "At 0:00:00");
  OnTime->SetConfigText("TIME=7:30:00;DATE=2026-12-24;USEDATE=True;");
  EXPECT_EQ(OnTime->GetDescription(), "At 7:30:00 12/24/2026");
  OnTime->SetConfigText("TIME=25:00:00;DATE=2026-02-30;USEDATE=yes;");
  EXPECT_EQ(OnTime->GetConfigText(), "TIME=0:00:00;DATE=2026-03-02;USEDATE=False;")
      << "malformed values fall back to midnight, today and false";
}

// --- Weekly -----------------------------------------------------------------------------------

TEST_F(TimeEventsTest, WeeklyTargets) {
  // 2026-01-05 is a Monday.
  struct Case {
    TDateTime Now;
    const char* Config;
    TDateTime Target;
  };
  const Case Cases[] = {
      // No day selected: the next occurrence on any day.
      {MakeDateTime(2026, 1, 5, 12, 0), "TIME=13:00:00;", MakeDateTime(2026, 1, 5, 13, 0)},
      {MakeDateTime(2026, 1, 5, 12, 0), "TIME=11:00:00;", MakeDateTime(2026, 1, 6, 11, 0)},
      // Monday and Wednesday, past Monday's time: Wednesday.
      {MakeDateTime(2026, 1, 5, 12, 0), "TIME=9:00:00;WEEKDAYS=1,0,1;",
       MakeDateTime(2026, 1, 7, 9, 0)},
      // Started exactly at its time: the next selected day, a week later.
      {MakeDateTime(2026, 1, 5, 9, 0), "TIME=9:00:00;WEEKDAYS=1,0,0,0,0,0,0;",
       MakeDateTime(2026, 1, 12, 9, 0)},
      // Sunday only, from a Saturday night.
      {MakeDateTime(2026, 1, 10, 23, 0), "TIME=0:30:00;WEEKDAYS=0,0,0,0,0,0,1;",
       MakeDateTime(2026, 1, 11, 0, 30)},
  };
  for (const auto& C : Cases) {
    Loop.SetNow(C.Now);
    auto Weekly = Make<TKoEventWeekly>(C.Config);
    Weekly->Start();
    EXPECT_EQ(Weekly->Target(), C.Target) << C.Config;
  }
}

TEST_F(TimeEventsTest, WeeklyFiresOnItsDay) {
  Loop.SetNow(MakeDateTime(2026, 1, 5, 23, 59, 58));
  auto Weekly = Make<TKoEventWeekly>("TIME=0:00:00;WEEKDAYS=0,1;");
  EXPECT_EQ(SecondsUntilTrigger(*Weekly, 10), 2);
}

TEST_F(TimeEventsTest, WeeklyDescriptions) {
  const std::pair<const char*, const char*> Cases[] = {
      {"TIME=8:00:00;", "At 8:00:00"},
      {"TIME=8:00:00;WEEKDAYS=1,1,1,1,1,1,1;", "At 8:00:00"},
      {"TIME=8:00:00;WEEKDAYS=1,0,0,0,1,0,0;", "At 8:00:00 Monday,Friday"},
      {"TIME=8:00:00;WEEKDAYS=0,0,0,0,0,1,1;", "At 8:00:00 Saturday,Sunday"},
  };
  for (const auto& [Config, Description] : Cases) {
    auto Weekly = Make<TKoEventWeekly>(Config);
    EXPECT_EQ(Weekly->GetDescription(), Description) << Config;
  }
  EXPECT_EQ(Make<TKoEventWeekly>()->GetConfigText(), "TIME=0:00:00;WEEKDAYS=0,0,0,0,0,0,0;");
}

}  // namespace
