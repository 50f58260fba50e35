#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/uPlanner.h"
#include "events/uEventUserInactive.h"
#include "events/uInputActivity.h"
#include "events/uTimerInactivity.h"
#include "idlehook/uIdleTime.h"
#include "platform/sim/uSimEventLoop.h"
#include "platform/sim/uSimUserInput.h"

namespace {

class UserInactiveTest : public ::testing::Test {
 protected:
  std::unique_ptr<TKoEventUserInactive> Make(const std::string& Config = {}) {
    auto Event = TKoEventObject::Create<TKoEventUserInactive>(Services);
    if (!Config.empty())
      Event->SetConfigText(Config);
    return Event;
  }
  static std::string Config(const std::string& Time, int Method) {
    return "TIME=" + Time + ";METHOD=" + std::to_string(Method) + ";";
  }
  // Raises what the event's start raises.
  static std::string StartError(TKoEventObject& Event) {
    try {
      Event.Start();
    } catch (const EKoException& Error) {
      return Error.what();
    }
    return {};
  }

  TSimEventLoop Loop;
  TSimUserInput Input{Loop};
  TKoServices Services = [this] {
    TKoServices S{Loop};
    S.UserInput = &Input;
    return S;
  }();
};

const int kMethods[] = {uaeLastInputInfo, uaeLowLevelHook, uaeInjectionHook};

// --- Settings, names and texts ---------------------------------------------------------------

TEST_F(UserInactiveTest, EngineNamesByValueAndEmptyForOthers) {
  EXPECT_EQ(GetUserActivityEngineName(0), "Last Input Event");
  EXPECT_EQ(GetUserActivityEngineName(1), "Low Level Hook");
  EXPECT_EQ(GetUserActivityEngineName(2), "Injection Hook");
  for (int Other : {3, 255, -1})
    EXPECT_EQ(GetUserActivityEngineName(Other), "") << Other;
}

TEST_F(UserInactiveTest, SettingsDefaultsRoundTripAndDescriptions) {
  auto Event = Make();
  EXPECT_EQ(Event->ID(), "UserInactive");
  EXPECT_EQ(Event->Name(), "User Inactive");
  EXPECT_EQ(Event->GetConfigText(), "TIME=0:10:00;METHOD=0;");
  EXPECT_EQ(Event->GetDescription(), "Inactive for 0:10:00 using Last Input Event");
  EXPECT_EQ(Event->GetStatusText(), "") << "no status while stopped";

  struct TCase {
    const char* Config;
    int Time;
    int Method;
    const char* Description;
  } Cases[] = {
      {"TIME=0:90:00;METHOD=2;", 5400, 2, "Inactive for 1:30:00 using Injection Hook"},
      {"TIME=1:30;METHOD=1;", 0, 1, "Inactive for 0:00:00 using Low Level Hook"},
      {"TIME=0:00:05;METHOD=258;", 5, 2, "Inactive for 0:00:05 using Injection Hook"},
      {"TIME=0:00:05;METHOD=7;", 5, 7, "Inactive for 0:00:05 using "},
      {"METHOD=x;", 0, 0, "Inactive for 0:00:00 using Last Input Event"},
  };
  for (const auto& Case : Cases) {
    Event->SetConfigText(Case.Config);
    EXPECT_EQ(Event->Time(), Case.Time) << Case.Config;
    EXPECT_EQ(Event->Method(), Case.Method) << Case.Config;
    EXPECT_EQ(Event->GetDescription(), Case.Description) << Case.Config;
  }
  Event->SetConfigText("TIME=2:03:04;METHOD=1;");
  EXPECT_EQ(Make(Event->GetConfigText())->GetConfigText(), "TIME=2:03:04;METHOD=1;");
}

// --- Every engine measures the same way ------------------------------------------------------

class UserInactiveEngineTest : public UserInactiveTest,
                               public ::testing::WithParamInterface<int> {};

TEST_P(UserInactiveEngineTest, TriggersAtTheThresholdAndInputUntriggersAtTheNextTick) {
  auto Event = Make(Config("0:01:00", GetParam()));
  int Changes = 0;
  Event->OnTriggeredChange = [&](TKoEventObject&) { ++Changes; };
  Event->Start();
  EXPECT_EQ(Event->GetStatusText(), "Inactive for 0:00:00");
  Loop.Advance(59000);
  EXPECT_FALSE(Event->Triggered());
  EXPECT_EQ(Event->GetStatusText(), "Inactive for 0:00:59");
  Loop.Advance(1000);
  EXPECT_TRUE(Event->Triggered());

  Loop.Advance(300);
  Input.PressKey();
  EXPECT_EQ(Event->GetStatusText(), "Inactive for 0:00:00") << "the status restarts at once";
  EXPECT_TRUE(Event->Triggered()) << "the verdict changes on the next tick";
  Loop.Advance(700);
  EXPECT_FALSE(Event->Triggered());
  EXPECT_EQ(Changes, 2);

  // Mouse movement counts as much as a key.
  Loop.Advance(50000);
  Input.MoveMouse();
  Loop.Advance(30000);
  EXPECT_FALSE(Event->Triggered());
  EXPECT_EQ(Event->GetStatusText(), "Inactive for 0:00:30");
  Loop.Advance(30000);
  EXPECT_TRUE(Event->Triggered());

  Event->Stop();
  EXPECT_EQ(Event->InactivityTimer(), nullptr);
  EXPECT_EQ(Event->GetStatusText(), "");
  EXPECT_EQ(Input.InstalledHookCount(), 0u);
}

TEST_P(UserInactiveEngineTest, ZeroTimeTriggersOnTheFirstTick) {
  auto Event = Make(Config("0:00:00", GetParam()));
  Event->Start();
  EXPECT_FALSE(Event->Triggered());
  Loop.Advance(1000);
  EXPECT_TRUE(Event->Triggered());
}

TEST_P(UserInactiveEngineTest, InputBeforeTheStartDoesNotShortenTheWait) {
  Loop.Advance(3600 * 1000);  // the last input was an hour ago
  auto Event = Make(Config("0:10:00", GetParam()));
  Event->Start();
  Loop.Advance(599000);
  EXPECT_FALSE(Event->Triggered());
  EXPECT_EQ(Event->InactivityTimer()->InactiveSeconds(), 599u);
  Loop.Advance(1000);
  EXPECT_EQ(Event->InactivityTimer()->InactiveSeconds(), 600u);
  EXPECT_TRUE(Event->Triggered());
}

TEST_P(UserInactiveEngineTest, ReadingStaysTrueAcrossTheWrapOfThe32BitTickCount) {
  Loop.SetTickCount64((std::uint64_t{1} << 32) - 20000);
  auto Event = Make(Config("0:01:00", GetParam()));
  Event->Start();
  Loop.Advance(30000);  // 10 s past the wrap
  Input.PressKey();
  Loop.Advance(45000);
  EXPECT_EQ(Event->InactivityTimer()->InactiveSeconds(), 45u);
  EXPECT_FALSE(Event->Triggered()) << "the input after the wrap must count";
  Loop.Advance(15000);
  EXPECT_TRUE(Event->Triggered());
}

TEST_P(UserInactiveEngineTest, EachStartMeasuresAfresh) {
  auto Event = Make(Config("0:00:10", GetParam()));
  Event->Start();
  Loop.Advance(10000);
  EXPECT_TRUE(Event->Triggered());
  Event->Stop();
  Loop.Advance(60000);
  Event->Start();
  EXPECT_FALSE(Event->Triggered());
  EXPECT_EQ(Event->GetStatusText(), "Inactive for 0:00:00");
  Loop.Advance(9000);
  EXPECT_FALSE(Event->Triggered());
}

std::string EngineTestName(const ::testing::TestParamInfo<int>& Param) {
  static const char* const Names[] = {"LastInputEvent", "LowLevelHook", "InjectionHook"};
  return Names[Param.param];
}

INSTANTIATE_TEST_SUITE_P(Engines, UserInactiveEngineTest, ::testing::ValuesIn(kMethods),
                         EngineTestName);

// --- Last Input Event ------------------------------------------------------------------------

TEST_F(UserInactiveTest, LastInputEventWithoutTheSystemFunctionNeverEndsTheWait) {
  Input.LastInputAvailable = false;
  auto Event = Make(Config("0:00:10", uaeLastInputInfo));
  Event->Start();
  Loop.Advance(60000);
  EXPECT_FALSE(Event->Triggered());
  EXPECT_EQ(Event->GetStatusText(), "Inactive for 0:00:00");

  // No input port at all reads the same.
  TKoServices Bare{Loop};
  auto Unwired = TKoEventObject::Create<TKoEventUserInactive>(Bare);
  Unwired->SetConfigText(Config("0:00:10", uaeLastInputInfo));
  Unwired->Start();
  Loop.Advance(60000);
  EXPECT_FALSE(Unwired->Triggered());
}

// --- Low Level Hook ---------------------------------------------------------------------------

TEST_F(UserInactiveTest, OnlyOneLowLevelHookMeasurementRunsAtATime) {
  auto First = Make(Config("0:01:00", uaeLowLevelHook));
  auto Second = Make(Config("0:01:00", uaeLowLevelHook));
  auto ByLastInput = Make(Config("0:01:00", uaeLastInputInfo));
  auto ByLibrary = Make(Config("0:01:00", uaeInjectionHook));
  First->Start();
  EXPECT_EQ(Input.InstalledHookCount(), 2u) << "one keyboard and one mouse hook";
  EXPECT_EQ(StartError(*Second), "Another input monitor is active.");
  EXPECT_EQ(Second->InactivityTimer(), nullptr);
  EXPECT_EQ(StartError(*ByLastInput), "");
  EXPECT_EQ(StartError(*ByLibrary), "");
  EXPECT_EQ(Input.InstalledHookCount(), 2u);

  First->Stop();
  EXPECT_EQ(Input.InstalledHookCount(), 0u) << "hooks live only while a hook measurement does";
  Second->Stop();
  EXPECT_EQ(StartError(*Second), "");
  EXPECT_EQ(Input.InstalledHookCount(), 2u);
  Second.reset();
  EXPECT_EQ(Input.InstalledHookCount(), 0u) << "a running event that goes removes its hooks";
}

TEST_F(UserInactiveTest, LowLevelHookRefusedBySystemReadsTheTimeSinceStart) {
  Input.HooksInstall = false;
  auto Event = Make(Config("0:01:00", uaeLowLevelHook));
  Event->Start();
  Loop.Advance(30000);
  Input.PressKey();
  Loop.Advance(30000);
  EXPECT_TRUE(Event->Triggered()) << "input unseen without hooks";
  EXPECT_EQ(Event->GetStatusText(), "Inactive for 0:01:00");
}

TEST_F(UserInactiveTest, InputMonitorRefusesWhatAnotherMonitorHolds) {
  TInputActivityMonitor Holder(&Input), Other(&Input);
  std::vector<TInputHookKind> Seen;
  Holder.OnActivity = [&](TInputActivityMonitor& Sender, TInputHookKind Kind) {
    EXPECT_EQ(&Sender, &Holder);
    Seen.push_back(Kind);
  };
  Holder.SetActive(true);
  Holder.SetActive(true);  // no change, no error
  EXPECT_THROW(Other.SetActive(true), EKoException);
  Other.SetActive(false);  // already inactive: nothing to do
  Input.PressKey();
  Input.MoveMouse();
  EXPECT_EQ(Seen, (std::vector<TInputHookKind>{TInputHookKind::Keyboard, TInputHookKind::Mouse}));
  Holder.SetActive(false);
  Input.PressKey();
  EXPECT_EQ(Seen.size(), 2u);
  Other.SetActive(true);
  EXPECT_TRUE(Other.Active());
}

// --- Injection Hook ---------------------------------------------------------------------------

TEST_F(UserInactiveTest, InjectionHookFailsToStartWithoutTheLibraryOrAnExport) {
  Input.HookLibraryPresent = false;
  auto Event = Make(Config("0:01:00", uaeInjectionHook));
  EXPECT_EQ(StartError(*Event), "Failed to load IDLEHOOK.DLL. File might be missing");

  // The library dropped in later is loaded then.
  Input.HookLibraryPresent = true;
  for (const char* Export :
       {"StartHook", "StopHook", "GetCurrentTime", "GetElapsedTime", "GetElapsedTimeEx"}) {
    Input.MissingExports = {Export};
    EXPECT_EQ(StartError(*Event), std::string(Export) + " function not found in IDLEHOOK.DLL.");
    Event->Stop();
  }
  EXPECT_EQ(Input.StartHookCalls, 0);
  EXPECT_EQ(Input.HookLibraryLoads, 1);
}

TEST_F(UserInactiveTest, InjectionHookStartsAndStopsTheLibraryOncePerMeasurementOnItsOwnClock) {
  // The library's clock is not the tick count; the measurement starts from the library's time.
  Input.HookLibraryClockOffset = 0xFFFFFF00;
  auto First = Make(Config("0:00:30", uaeInjectionHook));
  auto Second = Make(Config("0:00:30", uaeInjectionHook));
  First->Start();
  Loop.Advance(10000);
  Second->Start();
  EXPECT_EQ(Input.StartHookCalls, 2);
  Loop.Advance(20000);
  EXPECT_TRUE(First->Triggered());
  EXPECT_FALSE(Second->Triggered()) << "each counts from its own start";
  EXPECT_EQ(Second->GetStatusText(), "Inactive for 0:00:20");
  First->Stop();
  EXPECT_EQ(Input.StopHookCalls, 1);
  Input.MoveMouse();  // the library still watches for the second
  Loop.Advance(1000);
  EXPECT_EQ(Second->GetStatusText(), "Inactive for 0:00:01");
  Second.reset();
  EXPECT_EQ(Input.StopHookCalls, 2);
  EXPECT_EQ(Input.HookLibraryLoads, 1) << "loaded once, kept until the program ends";
}

TEST_F(UserInactiveTest, UnknownMethodMeasuresNothing) {
  auto Event = Make(Config("0:00:10", 9));
  Event->Start();
  Loop.Advance(60000);
  EXPECT_FALSE(Event->Triggered());
  EXPECT_EQ(Event->GetStatusText(), "Inactive for 0:00:00");
  EXPECT_EQ(Input.InstalledHookCount(), 0u);
  EXPECT_EQ(Input.StartHookCalls, 0);
}

TEST_F(UserInactiveTest, NegativeTimeFromAHandEditedPresetNeverTriggersAndIsKept) {
  auto Event = Make("TIME=-1:00:00;METHOD=0;");
  EXPECT_EQ(Event->GetConfigText(), "TIME=-1:00:00;METHOD=0;");
  Event->Start();
  Loop.Advance(3600 * 1000);
  EXPECT_FALSE(Event->Triggered());
}

// --- In the planner ---------------------------------------------------------------------------

TEST_F(UserInactiveTest, PlannerRunsTheActionsAfterTheInactivityAndAHookFailureStopsItsStart) {
  TKoPlanner Planner(Loop);
  std::vector<std::string> Notes;
  Planner.OnFinished = [&] { Notes.push_back("finished"); };
  Planner.OnMessage = [&](TKoPlannerMessageKind, const std::string& Text) {
    Notes.push_back(Text);
  };
  TInputActivityMonitor Holder(&Input);
  Planner.OnPrepare = [&] {
    Planner.Clear();
    TKoEvents Events;
    Events.push_back(Make(Config("0:02:00", uaeLowLevelHook)));
    Planner.SetEvents(std::move(Events));
  };

  Holder.SetActive(true);
  Planner.Start();
  EXPECT_FALSE(Planner.IsRunning());
  ASSERT_EQ(Notes.size(), 1u);
  EXPECT_EQ(Notes[0],
            "Planner has failed to start due a critical problem:\r\n\r\nAnother input monitor is "
            "active.");
  Holder.SetActive(false);

  Planner.Start();
  ASSERT_TRUE(Planner.IsRunning());
  Loop.Advance(90000);
  Input.PressKey();
  Loop.Advance(119000);
  EXPECT_TRUE(Planner.IsRunning());
  Loop.Advance(1000);
  EXPECT_FALSE(Planner.IsRunning());
  EXPECT_EQ(Notes.back(), "finished");
  EXPECT_EQ(Input.InstalledHookCount(), 0u);
}

// --- The hook library's measure ---------------------------------------------------------------

TEST(IdleMillisecondsTest, CountsFromTheLaterOfInputAndStartOnAWrappingClock) {
  struct TCase {
    std::uint32_t Now, Start;
    std::optional<std::uint32_t> LastInput;
    std::uint32_t Expected;
  } Cases[] = {
      {5000, 1000, std::nullopt, 4000},        // no input seen: since the start
      {5000, 1000, 500, 4000},                 // input before the start does not count
      {5000, 1000, 3000, 2000},                // input after the start
      {5000, 1000, 5000, 0},                   // input right now
      {1000, 0xFFFFF000, std::nullopt, 5096},  // start before the wrap
      {1000, 0xFFFFF000, 0xFFFFFF00, 1256},    // input before the wrap, after the start
      {1000, 0xFFFFF000, 200, 800},            // input after the wrap
      {1000, 0xFFFFF000, 0xFFFFE000, 5096},    // input before the start, across the wrap
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(IdleMilliseconds(Case.Now, Case.Start, Case.LastInput), Case.Expected)
        << Case.Now << " " << Case.Start;
}

}  // namespace
