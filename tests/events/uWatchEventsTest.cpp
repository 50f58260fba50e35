// The Window, Process and Winamp Stops events on the simulated machine, in virtual time.

#include <gtest/gtest.h>

#include "actions/uMasks.h"
#include "events/uEventPingStops.h"
#include "events/uEventProcess.h"
#include "events/uEventWinampStops.h"
#include "events/uEventWindow.h"
#include "events/uWinamp.h"
#include "uWatchHost.h"

namespace {

class WatchEventsTest : public testing::Test {
 protected:
  TWatchHost Host;
  TSimEventLoop& Loop = Host.Loop;
  TSimMachine& Machine = Host.Machine;

  void RemoveWindow(TWindowId Window) {
    std::erase_if(Machine.WindowList, [&](const auto& Entry) { return Entry.Window == Window; });
  }
  void RemoveProcess(std::uint32_t Id) {
    std::erase_if(Machine.ProcessTable, [&](const auto& Entry) { return Entry.ProcessId == Id; });
  }
  // A player window answering the playback query with State.
  TWindowId OpenWinamp(std::intptr_t& State) {
    const TWindowId Window = Machine.AddWindow("1. Artist - Title - Winamp");
    auto& Entry = Machine.WindowList.back();
    Entry.ClassName = kWinampWindowClass;
    Entry.OnMessage = [&State](std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam) {
      return Msg == kWinampQueryMessage && WParam == 0 && LParam == kWinampIsPlaying ? State : 0;
    };
    return Window;
  }
};

// --- Settings and texts ---------------------------------------------------------------------

TEST_F(WatchEventsTest, DefaultsKeysAndDescriptions) {
  struct TCase {
    std::unique_ptr<TKoEventObject> Event;
    const char* DefaultConfig;
    const char* Config;
    const char* Description;
  };
  TCase Cases[] = {
      {Host.Make<TKoEventWindow>(), "TITLE=;INTERVAL=5;OPENS=True;",
       "TITLE=*Notepad;INTERVAL=7;OPENS=False;", "Closes \"*Notepad\", check every 7 seconds"},
      {Host.Make<TKoEventWindow>(), "TITLE=;INTERVAL=5;OPENS=True;", "TITLE=Setup;OPENS=True;",
       "Opens \"Setup\", check every 0 seconds"},
      {Host.Make<TKoEventProcess>(), "PROCESSNAME=;INTERVAL=5;STARTS=True;",
       "PROCESSNAME=notepad.exe;INTERVAL=3;STARTS=True;",
       "Starts \"notepad.exe\", check every 3 seconds"},
      {Host.Make<TKoEventProcess>(), "PROCESSNAME=;INTERVAL=5;STARTS=True;",
       "PROCESSNAME=setup.exe;INTERVAL=5;", "Stops \"setup.exe\", check every 5 seconds"},
      {Host.Make<TKoEventWinampStops>(), "SECONDS=10;", "SECONDS=30;", "Check every 30 seconds"},
  };
  for (auto& C : Cases) {
    EXPECT_EQ(C.Event->GetConfigText(), C.DefaultConfig) << C.Config;
    C.Event->SetConfigText(C.Config);
    EXPECT_EQ(C.Event->GetDescription(), C.Description) << "missing keys read as 0 and False";
    EXPECT_EQ(C.Event->GetStatusText(), "") << "no status before the start";
  }
  EXPECT_EQ(Host.Make<TKoEventWindow>()->Name(), "Window");
  EXPECT_EQ(Host.Make<TKoEventProcess>()->Name(), "Process");
  EXPECT_EQ(Host.Make<TKoEventWinampStops>()->Name(), "Winamp Stops");
}

// --- Window ---------------------------------------------------------------------------------

TEST_F(WatchEventsTest, WindowTitlesAndMasksDecideTheLevel) {
  Machine.AddWindow("Quarterly Report - Notepad");
  Machine.AddWindow("[Nn]otepad");
  Machine.AddWindow("Palette - NOTEPAD");
  Machine.WindowList.back().ToolWindow = true;
  Machine.AddWindow("Frozen - notepad");
  Machine.WindowList.back().Hung = true;
  struct TCase {
    const char* Title;
    bool Opens;
    bool Triggered;
  };
  const TCase Cases[] = {
      {"*notepad", true, true},  // a mask, in any letter case
      {"*NOTEPAD", false, false},
      {"Quarterly Report - Notepad", true, true},
      {"quarterly report - notepad", true, true},  // exact titles compare as the system does
      {"Quarterly", true, false},                  // no partial titles without a mask
      {"[Nn]otepad", true, true},                  // brackets alone make no mask: exact title
      {"Palette*", true, false},                   // masks skip tool windows
      {"Frozen*", true, false},                    // and windows that do not answer
      {"Q?????????", true, false},                 // the whole title must match
      {"", false, true},                           // an empty title names no window
      {"   ", true, false},
  };
  for (const auto& C : Cases) {
    TKoEventWindow::TConfig Config;
    Config.Title = C.Title;
    Config.Opens = C.Opens;
    Config.Interval = 1;
    auto Event = Host.Make<TKoEventWindow>();
    Event->SetConfig(Config);
    Event->Start();
    Loop.Advance(1000);
    EXPECT_EQ(Event->Triggered(), C.Triggered) << C.Title << (C.Opens ? " opens" : " closes");
  }
}

TEST_F(WatchEventsTest, WindowIsALevelCheckedOneIntervalAfterTheStart) {
  auto Event = Host.Make<TKoEventWindow>("TITLE=*Setup*;INTERVAL=5;OPENS=True;");
  Event->Start();
  EXPECT_EQ(Event->GetStatusText(), "Not yet checked");
  const TWindowId Setup = Machine.AddWindow("Product Setup Wizard");
  Loop.Advance(4999);
  EXPECT_FALSE(Event->Triggered()) << "no check at the start";
  EXPECT_EQ(Event->GetStatusText(), "Not yet checked");
  Loop.Advance(1);
  EXPECT_TRUE(Event->Triggered());
  EXPECT_EQ(Event->GetStatusText(), "Checked 0 seconds ago");
  Loop.Advance(3999);
  EXPECT_EQ(Event->GetStatusText(), "Checked 3 seconds ago");
  RemoveWindow(Setup);
  Loop.Advance(1001);
  EXPECT_FALSE(Event->Triggered()) << "the window closed again";
  EXPECT_EQ(Host.Changes, 2);
  Event->Stop();
  EXPECT_EQ(Event->GetStatusText(), "");
  // A new start forgets the last check.
  Event->Start();
  EXPECT_EQ(Event->GetStatusText(), "Not yet checked");
}

TEST_F(WatchEventsTest, IntervalsBelowOneSecondAndBeyondTheTimersRangeAreBroughtIntoIt) {
  auto Zero = Host.Make<TKoEventWindow>("TITLE=;INTERVAL=0;OPENS=False;");
  Zero->Start();
  Loop.Advance(1000);
  EXPECT_TRUE(Zero->Triggered());
  EXPECT_EQ(Zero->Config().Interval, 1);
  auto Negative = Host.Make<TKoEventProcess>("PROCESSNAME=;INTERVAL=-4;STARTS=False;");
  Negative->Start();
  Loop.Advance(1000);
  EXPECT_TRUE(Negative->Triggered());
  auto Huge = Host.Make<TKoEventProcess>("PROCESSNAME=x.exe;INTERVAL=2147483647;STARTS=True;");
  Huge->Start();
  EXPECT_EQ(Huge->Timer().Interval(), 2147483000u) << "within SetTimer's range, no overflow";
}

TEST_F(WatchEventsTest, AMalformedMaskKeepsTheWindowEventFromStarting) {
  auto Event = Host.Make<TKoEventWindow>("TITLE=*[z-a]*;INTERVAL=1;OPENS=True;");
  try {
    Event->Start();
    FAIL() << "started with a mask no check can read";
  } catch (const EMaskError& Error) {
    EXPECT_STREQ(Error.what(), "The char set in mask \"*[z-a]*\" is not valid!");
  }
}

TEST_F(WatchEventsTest, WithoutTheMachinePortsTheEventsDoNotStart) {
  TKoServices Bare{Loop};
  std::unique_ptr<TKoEventObject> Events[] = {TKoEventObject::Create<TKoEventWindow>(Bare),
                                              TKoEventObject::Create<TKoEventProcess>(Bare),
                                              TKoEventObject::Create<TKoEventWinampStops>(Bare),
                                              TKoEventObject::Create<TKoEventPingStops>(Bare)};
  for (auto& Event : Events) {
    try {
      Event->Start();
      ADD_FAILURE() << Event->ID() << " started";
    } catch (const EKoException& Error) {
      EXPECT_STREQ(Error.what(), "This event cannot reach the system it watches.") << Event->ID();
    }
  }
}

// --- Process --------------------------------------------------------------------------------

TEST_F(WatchEventsTest, ProcessNamesCompareWithoutLetterCaseAndTheLevelFollowsTheProcess) {
  const std::uint32_t Editor = Machine.AddProcess("C:\\Windows\\NOTEPAD.EXE");
  auto Starts = Host.Make<TKoEventProcess>("PROCESSNAME=notepad.exe;INTERVAL=2;STARTS=True;");
  auto Stops = Host.Make<TKoEventProcess>("PROCESSNAME=notepad.exe;INTERVAL=2;STARTS=False;");
  auto Spaced = Host.Make<TKoEventProcess>("PROCESSNAME= notepad.exe;INTERVAL=2;STARTS=True;");
  Starts->Start();
  Stops->Start();
  Spaced->Start();
  Loop.Advance(2000);
  EXPECT_TRUE(Starts->Triggered());
  EXPECT_FALSE(Stops->Triggered());
  EXPECT_FALSE(Spaced->Triggered()) << "names are compared as configured";
  RemoveProcess(Editor);
  Loop.Advance(2000);
  EXPECT_FALSE(Starts->Triggered());
  EXPECT_TRUE(Stops->Triggered());
  EXPECT_EQ(Stops->GetStatusText(), "Checked 0 seconds ago");
}

TEST_F(WatchEventsTest, ARefusedProcessSnapshotLeavesTheLevelAndTheLastCheckAlone) {
  Machine.AddProcess("setup.exe");
  auto Stops = Host.Make<TKoEventProcess>("PROCESSNAME=setup.exe;INTERVAL=1;STARTS=False;");
  Stops->Start();
  Machine.SnapshotFails = true;
  Loop.Advance(3000);
  EXPECT_FALSE(Stops->Triggered()) << "a failed snapshot is no sign that setup ended";
  EXPECT_EQ(Stops->GetStatusText(), "Not yet checked");
  Machine.SnapshotFails = false;
  Loop.Advance(1000);
  EXPECT_EQ(Stops->GetStatusText(), "Checked 0 seconds ago");
  Machine.SnapshotFails = true;
  Loop.Advance(2000);
  EXPECT_EQ(Stops->GetStatusText(), "Checked 2 seconds ago");
}

TEST_F(WatchEventsTest, TheStatusCountsSecondsAcrossTheWrapOfTheTickCount) {
  Loop.SetTickCount64(0xFFFFFFFFull - 1500);
  auto Event = Host.Make<TKoEventProcess>("PROCESSNAME=a.exe;INTERVAL=1;STARTS=True;");
  Event->Start();
  Loop.Advance(1000);  // checked 500 ms before the wrap
  Loop.Advance(999);
  EXPECT_EQ(Event->GetStatusText(), "Checked 0 seconds ago");
  Event->Timer().SetInterval(60000);
  Loop.Advance(2500);
  EXPECT_EQ(Event->GetStatusText(), "Checked 3 seconds ago");
}

// --- Winamp Stops ---------------------------------------------------------------------------

TEST_F(WatchEventsTest, WinampStopsFollowsWhatThePlayerAnswers) {
  std::intptr_t State = 1;
  auto Event = Host.Make<TKoEventWinampStops>("SECONDS=2;");
  Event->Start();
  Loop.Advance(2000);
  EXPECT_TRUE(Event->Triggered()) << "no player at all";
  const TWindowId Player = OpenWinamp(State);
  struct TStep {
    std::intptr_t Answer;
    bool Triggered;
  };
  const TStep Steps[] = {{1, false}, {0, true}, {3, false}, {2, true}, {-1, true}, {1, false}};
  for (const auto& Step : Steps) {
    State = Step.Answer;
    Loop.Advance(2000);
    EXPECT_EQ(Event->Triggered(), Step.Triggered) << "answer " << Step.Answer;
  }
  // A player too busy to answer may still be playing: the level stays.
  Machine.FindWindow(Player)->Hung = true;
  Loop.Advance(2000);
  EXPECT_FALSE(Event->Triggered());
  RemoveWindow(Player);
  Loop.Advance(2000);
  EXPECT_TRUE(Event->Triggered());
}

TEST_F(WatchEventsTest, WinampStopsStatusCountsTheTimeSinceTheStart) {
  auto Event = Host.Make<TKoEventWinampStops>("SECONDS=0;");
  Event->Start();
  EXPECT_EQ(Event->Timer().Interval(), 1000u) << "0 seconds becomes 1";
  EXPECT_EQ(Event->GetStatusText(), "Waited for 0:00:00");
  Loop.Advance(3723999);
  EXPECT_EQ(Event->GetStatusText(), "Waited for 1:02:03");
  Event->Stop();
  EXPECT_EQ(Event->GetStatusText(), "");
}

// --- From a planner -------------------------------------------------------------------------

TEST_F(WatchEventsTest, AWindowThatOpensRunsTheActionsOfAPreset) {
  Host.Rows.SetSelectedLogic(kolOR);
  Host.Rows.EventRows().push_back({{}, {}, {}, "TITLE=*Setup*;INTERVAL=2;OPENS=True;", "Window"});
  Host.Rows.ActionRows().push_back({{}, {}, {}, "WINDOWTITLE=*Setup*;METHOD=1;", "CloseWindow"});
  Host.Planner.Start();
  Loop.Advance(10000);
  EXPECT_TRUE(Machine.Calls.empty());
  Machine.AddWindow("Setup - Step 3");
  Loop.Advance(2000);
  EXPECT_EQ(Machine.Calls, std::vector<std::string>{"PostMessageW \"Setup - Step 3\" WM_CLOSE"});
  EXPECT_EQ(Host.Planner.State(), kpsIdle);
}

TEST_F(WatchEventsTest, APlannerWithAMalformedWindowMaskReportsItAndDoesNotStart) {
  Host.Rows.EventRows().push_back({{}, {}, {}, "TITLE=[?;INTERVAL=2;OPENS=True;", "Window"});
  Host.Rows.ActionRows().push_back({{}, {}, {}, "WINDOWTITLE=x;", "CloseWindow"});
  Host.Planner.Start();
  EXPECT_EQ(Host.Planner.State(), kpsIdle);
  ASSERT_EQ(Host.PlannerMessages.size(), 1u);
  EXPECT_NE(Host.PlannerMessages[0].find("The char set in mask \"[?\" is not valid!"),
            std::string::npos)
      << Host.PlannerMessages[0];
}

}  // namespace
