// The display and sound action kinds, their shared functions and the alarm window's behaviour,
// on the simulated machine and in virtual time. Nothing here reaches a real display or speaker.

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <algorithm>
#include <functional>

#include "actions/uAlarmWindowModel.h"
#include "actions/uDisplayControl.h"
#include "actions/uMasterVolume.h"
#include "actions/uSound.h"
#include "support/uPlannerHost.h"
#include "support/uTempFolder.h"
#include "uActionsHost.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr TOsVersion kWindows10{2, 10, 0};
constexpr TOsVersion kWindows8{2, 6, 2};
constexpr TOsVersion kWindows7{2, 6, 1};
constexpr TOsVersion kWindowsXP{2, 5, 1};

class DisplayActionsTest : public testing::Test {
 protected:
  TActionsHost Host;
  TSimDisplay& Display = Host.Display;
  TSimSound& Sound = Host.Sound;

  std::string RunAction(const std::string& ID, const std::string& Config) {
    auto Action = Host.Action(ID, Config);
    Action->Run();
    return Action->GetStatusText();
  }
};

// --- Identity and settings ----------------------------------------------------------------------

TEST_F(DisplayActionsTest, KindsAreListedInOrderWithNamesAndNeverTerminal) {
  const std::pair<const char*, const char*> Expected[] = {
      {"Monitor", "Monitor"}, {"ScreenSaver", "Screen Saver"}, {"Volume", "Volume"},
      {"Alarm", "Alarm"},     {"PlaySound", "Play Sound"},
  };
  int Previous = -1;
  for (const auto& [ID, Name] : Expected) {
    SCOPED_TRACE(ID);
    const int Index = Host.Registry.FindActionKind(ID);
    ASSERT_GT(Index, Previous) << "out of order";
    Previous = Index;
    const auto& Prototype = *Host.Registry.ActionKinds()[Index];
    EXPECT_EQ(Prototype.ID(), ID);
    EXPECT_EQ(Prototype.Name(), Name);
    EXPECT_FALSE(Prototype.Terminal());
  }
}

TEST_F(DisplayActionsTest, SettingsDefaultsRoundTripAndMissingKeys) {
  struct TCase {
    const char* ID;
    const char* Defaults;
    const char* Stored;
    const char* Missing;  // what an empty stored text reads as
  };
  const TCase Cases[] = {
      // A missing "Action" keeps the value the object had; other missing keys read as empty.
      {"Monitor", "ACTION=1;", "ACTION=2;", "ACTION=1;"},
      {"ScreenSaver", "USECUSTOM=False;CUSTOMPATH=;",
       "USECUSTOM=True;CUSTOMPATH=C:\\Savers\\My Saver.scr;", "USECUSTOM=False;CUSTOMPATH=;"},
      {"Volume", "MUTE=True;", "MUTE=False;", "MUTE=False;"},
      {"PlaySound", "FILE=;WAIT=True;", "FILE=C:\\Sounds\\ding%3Bdong.wav;WAIT=False;",
       "FILE=;WAIT=False;"},
      {"Alarm", "", "", ""},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.ID);
    EXPECT_EQ(Host.Registry.CreateAction(C.ID)->GetConfigText(), C.Defaults);
    auto Action = Host.Action(C.ID, C.Stored);
    EXPECT_EQ(Action->GetConfigText(), C.Stored);
    EXPECT_EQ(Action->Clone(true)->GetConfigText(), C.Stored);
    EXPECT_EQ(Host.Action(C.ID, "")->GetConfigText(), C.Missing);
  }
  // The monitor's action is stored as a byte.
  EXPECT_EQ(Host.Action("Monitor", "ACTION=258;")->GetConfigText(), "ACTION=2;");
}

TEST_F(DisplayActionsTest, Descriptions) {
  struct TCase {
    const char* ID;
    const char* Config;
    const char* Description;
  };
  const TCase Cases[] = {
      {"Monitor", "ACTION=1;", "Turn off"},
      {"Monitor", "ACTION=2;", "Turn on"},
      {"Monitor", "ACTION=0;", ""},
      {"ScreenSaver", "", "Use system screen saver"},
      {"ScreenSaver", "CUSTOMPATH=C:\\x.scr;", "Use system screen saver"},
      {"ScreenSaver", "USECUSTOM=True;CUSTOMPATH=C:\\x.scr;", "Use custom: C:\\x.scr"},
      {"Volume", "MUTE=True;", "Mute master volume"},
      {"Volume", "MUTE=False;", "Unmute master volume"},
      {"PlaySound", "FILE=C:\\Sounds\\ding.wav;WAIT=True;", "\"ding.wav\" (wait)"},
      {"PlaySound", "FILE=C:/Sounds/ding.wav;WAIT=False;", "\"ding.wav\""},
      {"PlaySound", "", "\"\""},
      {"Alarm", "", ""},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(Host.Action(C.ID, C.Config)->GetDescription(), C.Description)
        << C.ID << " " << C.Config;
}

// --- Monitor ------------------------------------------------------------------------------------

TEST_F(DisplayActionsTest, MonitorOffWaitsHalfASecondThenSendsThePowerCommand) {
  EXPECT_EQ(RunAction("Monitor", "ACTION=1;"), "Finished");
  EXPECT_THAT(Display.Calls, ElementsAre("at 500 ms: WM_SYSCOMMAND SC_MONITORPOWER 2"));
}

TEST_F(DisplayActionsTest, MonitorOnNudgesTheMouseFirstFromWindows8On) {
  const std::pair<TOsVersion, bool> Cases[] = {
      {kWindows10, true}, {kWindows8, true}, {kWindows7, false}, {kWindowsXP, false}};
  for (const auto& [Version, Nudges] : Cases) {
    SCOPED_TRACE(Version.Minor);
    Display.Calls.clear();
    Host.Machine.Version = Version;
    EXPECT_EQ(RunAction("Monitor", "ACTION=2;"), "Finished");
    std::vector<std::string> Expected;
    if (Nudges)
      Expected.push_back("at 0 ms: mouse_event MOUSEEVENTF_MOVE 0 0");
    Expected.push_back("at 0 ms: WM_SYSCOMMAND SC_MONITORPOWER -1");
    EXPECT_EQ(Display.Calls, Expected);
  }
}

TEST_F(DisplayActionsTest, MonitorFailsForAnUnknownActionOrARefusedCommand) {
  EXPECT_EQ(RunAction("Monitor", "ACTION=3;"), "Error");
  EXPECT_THAT(Display.Calls, IsEmpty());

  Display.CommandResult = 1;
  EXPECT_EQ(RunAction("Monitor", "ACTION=2;"), "Error");
  Display.CommandResult = 0;
  Display.HasCommandWindow = false;
  EXPECT_EQ(RunAction("Monitor", "ACTION=1;"), "Error");
}

// --- Screen saver -------------------------------------------------------------------------------

TEST_F(DisplayActionsTest, SystemScreenSaverStartsAfterHalfASecond) {
  EXPECT_EQ(RunAction("ScreenSaver", "USECUSTOM=False;CUSTOMPATH=C:\\x.scr;"), "Finished");
  EXPECT_THAT(Display.Calls, ElementsAre("at 500 ms: WM_SYSCOMMAND SC_SCREENSAVE 0"));
  EXPECT_THAT(Host.Machine.Calls, IsEmpty());

  Display.CommandResult = 5;
  EXPECT_EQ(RunAction("ScreenSaver", ""), "Error");
}

TEST_F(DisplayActionsTest, CustomScreenSaverRunsInScreenSaverModeWithoutWaiting) {
  EXPECT_EQ(RunAction("ScreenSaver", "USECUSTOM=True;CUSTOMPATH=C:\\Savers\\My Saver.scr;"),
            "Finished");
  EXPECT_THAT(Host.Machine.Calls, ElementsAre("CreateProcessW \"C:\\Savers\\My Saver.scr\" /S"));
  EXPECT_THAT(Display.Calls, IsEmpty());
  EXPECT_EQ(Host.Loop.TickCount64(), 500u) << "the same pause before it";
}

TEST_F(DisplayActionsTest, CustomScreenSaverThatCannotStartEndsInTheLaunchersMessage) {
  Host.Machine.OnLaunch = [](const TLaunchRequest&) { return TLaunchResult{false, 2, 0}; };
  EXPECT_EQ(RunAction("ScreenSaver", "USECUSTOM=True;CUSTOMPATH=C:\\gone.scr;"),
            "Error: Failed to execute C:\\gone.scr /S : 2");
  EXPECT_EQ(RunAction("ScreenSaver", "USECUSTOM=True;"),
            "Error: Cannot execute empty command-line");
}

TEST_F(DisplayActionsTest, ListScreenSaversListsScrFilesOfTheSystemFolderInAnyCase) {
  TTempFolder System;
  for (const char* Name : {"ribbons.scr", "BUBBLES.SCR", "notes.txt", "scr", "x.scrx"})
    WriteBytes(System.Text(Name), "x");
  Display.SystemFolder = PathToUtf8(System.Path());
  std::vector<std::string> List{"kept"};
  ListScreenSavers(Display, List);
  std::sort(List.begin() + 1, List.end());
  EXPECT_THAT(List, ElementsAre("kept", System.Text("BUBBLES.SCR"), System.Text("ribbons.scr")));

  // An unreadable system folder lists nothing, not the root of the drive.
  Display.SystemFolder.clear();
  List.clear();
  ListScreenSavers(Display, List);
  EXPECT_THAT(List, IsEmpty());
  Display.SystemFolder = System.Text("missing");
  ListScreenSavers(Display, List);
  EXPECT_THAT(List, IsEmpty());
}

TEST_F(DisplayActionsTest, DelayProcessingMessagesLetsTimeAndTimersPass) {
  int Ticks = 0;
  TTimerEx Timer(Host.Loop);
  Timer.SetInterval(100);
  Timer.SetOnTimer([&] { ++Ticks; });
  Timer.SetEnabled(true);
  DelayProcessingMessages(Host.Loop, 0);
  EXPECT_EQ(Host.Loop.TickCount64(), 0u);
  DelayProcessingMessages(Host.Loop, 500);
  EXPECT_EQ(Host.Loop.TickCount64(), 500u);
  EXPECT_EQ(Ticks, 5);
}

// --- Volume -------------------------------------------------------------------------------------

TEST_F(DisplayActionsTest, VolumeUsesTheEndpointFromVistaOnAndNeverTheMixer) {
  Sound.Mixers.resize(1);
  for (const TOsVersion Version : {kWindows10, TOsVersion{2, 6, 0}}) {
    Host.Machine.Version = Version;
    Sound.Calls.clear();
    EXPECT_EQ(RunAction("Volume", "MUTE=True;"), "Finished");
    EXPECT_EQ(RunAction("Volume", "MUTE=False;"), "Finished");
    EXPECT_THAT(Sound.Calls,
                ElementsAre("IAudioEndpointVolume SetMute 1", "IAudioEndpointVolume SetMute 0"));
  }
  EXPECT_EQ(Sound.EndpointMuted, false);
  Sound.HasEndpoint = false;
  EXPECT_EQ(RunAction("Volume", "MUTE=True;"), "Error");
}

TEST_F(DisplayActionsTest, VolumeBeforeVistaMutesTheFirstDestinationOfTheFirstMixer) {
  Host.Machine.Version = kWindowsXP;
  Sound.Mixers.resize(2);
  EXPECT_EQ(RunAction("Volume", "MUTE=True;"), "Finished");
  EXPECT_THAT(Sound.Calls,
              ElementsAre("mixerOpen 0 CALLBACK_WINDOW", "mixerGetLineInfoA destination 0",
                          "mixerGetLineControlsA line 0xFFFF0000 type 0x20010002",
                          "mixerSetControlDetails control 7 value 1", "mixerClose"));
  Sound.Calls.clear();
  EXPECT_EQ(RunAction("Volume", "MUTE=False;"), "Finished");
  EXPECT_EQ(Sound.Calls[3], "mixerSetControlDetails control 7 value 0");
  EXPECT_FALSE(Sound.EndpointMuted.has_value());
}

TEST_F(DisplayActionsTest, MixerFallbacksAndFailures) {
  struct TCase {
    const char* Name;
    std::function<void(TSimSound&)> Script;
    bool Succeeds;
    int Opens;  // attempts to open: with a window, again with one, then without
    bool Closes;
  };
  const TCase Cases[] = {
      {"no mixer device", [](TSimSound& S) { S.Mixers.clear(); }, false, 0, false},
      {"first open refused", [](TSimSound& S) { S.Mixers[0].FailedOpens = 1; }, true, 2, true},
      {"opens only without a window", [](TSimSound& S) { S.Mixers[0].FailedOpens = 2; }, true, 3,
       true},
      {"never opens", [](TSimSound& S) { S.Mixers[0].FailedOpens = 3; }, false, 3, false},
      {"no destination", [](TSimSound& S) { S.Mixers[0].Destinations.clear(); }, false, 1, true},
      {"first destination unreadable, the next one is first",
       [](TSimSound& S) {
         S.Mixers[0].Destinations = {std::nullopt, std::uint32_t{0xFFFF0000}};
       },
       true, 1, true},
      {"destination without mute", [](TSimSound& S) { S.Mixers[0].Controls.clear(); }, false, 1,
       true},
      {"mixer refuses the value", [](TSimSound& S) { S.Mixers[0].SetSucceeds = false; }, false, 1,
       true},
  };
  const std::vector<std::string> AllOpens = {
      "mixerOpen 0 CALLBACK_WINDOW", "mixerOpen 0 CALLBACK_WINDOW", "mixerOpen 0 no callback"};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TSimSound Volume;
    Volume.Mixers.resize(1);
    C.Script(Volume);
    EXPECT_EQ(SetMixerMute(Volume, true), C.Succeeds);
    std::vector<std::string> Opens;
    for (const auto& Call : Volume.Calls)
      if (Call.rfind("mixerOpen", 0) == 0)
        Opens.push_back(Call);
    EXPECT_EQ(Opens, std::vector<std::string>(AllOpens.begin(), AllOpens.begin() + C.Opens));
    EXPECT_EQ(std::count(Volume.Calls.begin(), Volume.Calls.end(), "mixerClose"), C.Closes ? 1 : 0);
  }
}

// --- Play Sound ---------------------------------------------------------------------------------

TEST_F(DisplayActionsTest, PlaySoundPlaysAnExistingFileWaitingOrNot) {
  TTempFolder Folder;
  const std::string File = Folder.Text("ding dong.wav");
  WriteBytes(File, "RIFF");
  EXPECT_EQ(RunAction("PlaySound", "FILE=" + File + ";WAIT=True;"), "Finished");
  EXPECT_EQ(RunAction("PlaySound", "FILE=" + File + ";WAIT=False;"), "Finished");
  EXPECT_THAT(Sound.Calls, ElementsAre("sndPlaySound \"" + File + "\" 0x00020002",
                                       "sndPlaySound \"" + File + "\" 0x00020003"));
  Sound.PlaySucceeds = false;
  EXPECT_EQ(RunAction("PlaySound", "FILE=" + File + ";"), "Error");
}

TEST_F(DisplayActionsTest, PlaySoundWithoutAFileFailsWithoutCallingTheSystem) {
  TTempFolder Folder;
  for (const std::string& File : {std::string(), Folder.Text("missing.wav"), Folder.Text()})
    EXPECT_EQ(RunAction("PlaySound", "FILE=" + File + ";"), "Error") << File;
  EXPECT_THAT(Sound.Calls, IsEmpty());
}

TEST_F(DisplayActionsTest, SoundFunctionsChooseTheirFlags) {
  struct TCase {
    bool Wait;
    bool Loop;
    const char* Call;
  };
  // SND_MEMORY | SND_NODEFAULT, SND_ASYNC without Wait, SND_LOOP only when not waiting.
  const TCase Cases[] = {
      {true, false, "sndPlaySound resource ALARM/WAVE 0x00000006"},
      {true, true, "sndPlaySound resource ALARM/WAVE 0x00000006"},
      {false, false, "sndPlaySound resource ALARM/WAVE 0x00000007"},
      {false, true, "sndPlaySound resource ALARM/WAVE 0x0000000F"},
  };
  for (const auto& C : Cases) {
    Sound.Calls.clear();
    EXPECT_TRUE(PlaySoundResource(Sound, "Alarm", "WAVE", C.Wait, C.Loop));
    EXPECT_THAT(Sound.Calls, ElementsAre(C.Call));
  }
  EXPECT_FALSE(PlaySoundResource(Sound, "Siren", "WAVE", false, true));
  Sound.Calls.clear();
  EXPECT_TRUE(StopSound(Sound));
  EXPECT_THAT(Sound.Calls, ElementsAre("sndPlaySound nil 0x00020002"));
}

// --- Alarm --------------------------------------------------------------------------------------

TEST_F(DisplayActionsTest, AlarmShowsItsWindowAndReturnsWhenItCloses) {
  auto Alarm = Host.Action("Alarm");
  bool OpenWhileRunning = false;
  Host.ModalWindows.WhileOpen = [&] { OpenWhileRunning = Alarm->Status() == kasStarted; };
  TKoActionOutcome Outcome = kaoContinue;
  EXPECT_TRUE(Alarm->Run(Outcome));
  EXPECT_EQ(Outcome, kaoContinue);
  EXPECT_EQ(Host.ModalWindows.AlarmsShown, 1);
  EXPECT_TRUE(OpenWhileRunning);

  // A window that cannot be shown is no alarm that rang.
  Host.ModalWindows.AlarmFails = true;
  EXPECT_EQ(RunAction("Alarm", ""), "Error: The alarm window could not be shown.");
}

TEST_F(DisplayActionsTest, AlarmHoldsUpTheActionsAfterIt) {
  TPlannerHost Planner;
  Planner.AddCountdown(1);
  Planner.ActionRows().push_back({{}, {}, {}, "", "Alarm"});
  Planner.AddAction("after");
  std::vector<std::string> ExecutedWhileOpen{"not shown"};
  Planner.ModalWindows.WhileOpen = [&] { ExecutedWhileOpen = Planner.Executed(); };
  Planner.Planner.Start();
  Planner.Loop.Advance(1000);
  EXPECT_EQ(Planner.ModalWindows.AlarmsShown, 1);
  EXPECT_THAT(ExecutedWhileOpen, IsEmpty());
  EXPECT_THAT(Planner.Executed(), ElementsAre("after"));
}

// --- The alarm window's own behaviour -----------------------------------------------------------

class AlarmWindowModelTest : public testing::Test, protected TAlarmWindowModel::TView {
 protected:
  void ShowTime(const std::string& Text) override { Time = Text; }
  void ShowDate(const std::string& Text) override { Date = Text; }
  void Flash() override { ++Flashes; }
  void CloseWindow() override { ++Closed; }

  void SetUp() override { Loop.SetNow(MakeDateTime(2026, 12, 31, 23, 59, 58)); }

  TSimEventLoop Loop;
  TSimLocale Locale;
  TSimSound Sound;
  std::string Time;
  std::string Date;
  int Flashes = 0;
  int Closed = 0;
};

TEST_F(AlarmWindowModelTest, ShowsTheTimeEverySecondAndRingsInALoopUntilHidden) {
  TAlarmWindowModel Model(Loop, Locale, Sound, *this);
  EXPECT_EQ(Time, "") << "nothing before the window shows";
  Model.Shown();
  EXPECT_EQ(Time, "11:59:58 PM");
  EXPECT_EQ(Date, "Thursday, December 31, 2026");
  EXPECT_EQ(Flashes, 1);
  EXPECT_THAT(Sound.Calls, ElementsAre("sndPlaySound resource ALARM/WAVE 0x0000000F"));

  Loop.Advance(2000);
  EXPECT_EQ(Time, "12:00:00 AM");
  EXPECT_EQ(Date, "Friday, January 1, 2027");
  EXPECT_EQ(Flashes, 3);

  // It never gives up by itself.
  Loop.Advance(3600 * 1000);
  EXPECT_EQ(Closed, 0);
  EXPECT_EQ(Flashes, 3603);

  Model.Hidden();
  EXPECT_EQ(Sound.Calls.back(), "sndPlaySound nil 0x00020002");
  Loop.Advance(5000);
  EXPECT_EQ(Flashes, 3603) << "the clock stops with the window";
  EXPECT_EQ(Sound.Calls.size(), 2u);
}

TEST_F(AlarmWindowModelTest, CloseAndEscapeCloseTheWindow) {
  TAlarmWindowModel Model(Loop, Locale, Sound, *this);
  Model.Shown();
  Model.ClosePressed();
  EXPECT_EQ(Closed, 1);
  Model.EscapePressed();
  EXPECT_EQ(Closed, 2);
}

TEST_F(AlarmWindowModelTest, WithoutItsSoundTheAlarmIsSilentButStillShows) {
  Sound.Resources.clear();
  TAlarmWindowModel Model(Loop, Locale, Sound, *this);
  Model.Shown();
  EXPECT_EQ(Time, "11:59:58 PM");
  EXPECT_THAT(Sound.Calls, IsEmpty());
  Loop.Advance(1000);
  EXPECT_EQ(Time, "11:59:59 PM");
}

TEST_F(AlarmWindowModelTest, AWindowThatGoesWithoutHidingStillStopsTheSound) {
  {
    TAlarmWindowModel Model(Loop, Locale, Sound, *this);
    Model.Shown();
  }
  EXPECT_EQ(Sound.Calls.back(), "sndPlaySound nil 0x00020002");
  Sound.Calls.clear();
  {
    TAlarmWindowModel Model(Loop, Locale, Sound, *this);
    Model.Shown();
    Model.Hidden();
    Model.Hidden();
  }
  EXPECT_EQ(std::count(Sound.Calls.begin(), Sound.Calls.end(), "sndPlaySound nil 0x00020002"), 1)
      << "stopped once";
}

}  // namespace
