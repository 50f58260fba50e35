// The event kinds' frames on the simulated machine: what they show for stored settings, what
// they save, their ranges, enabling rules and the choices they read from the machine.

#include <gtest/gtest.h>

#include "events/eventframes_res.h"
#include "events/uPingStopsFrame.h"
#include "events/uPowerEventFrames.h"
#include "events/uTimeEventFrames.h"
#include "events/uUsageEventFrames.h"
#include "events/uUserInactiveFrame.h"
#include "events/uWatchEventFrames.h"
#include "uFramesHost.h"

namespace {

// The configuration text a kind writes for a stored one: what a frame must give back unchanged.
std::string Canonical(TFramesHost& Host, const std::string& ID, const std::string& Config) {
  auto Event = Host.Registry.CreateEvent(ID);
  Event->SetConfigText(Config);
  return Event->GetConfigText();
}

// Loading a stored configuration and saving it untouched gives the same settings back.
template <typename TFrame>
void ExpectRoundTrips(const std::string& ID, std::initializer_list<const char*> Configs) {
  for (const char* Config : Configs) {
    TFramesHost Host;
    TFrame Frame(Host.Context);
    Host.Load(Frame, ID, Config);
    EXPECT_EQ(Host.Save(Frame, ID), Canonical(Host, ID, Config)) << ID << ": " << Config;
  }
}

TEST(EventFramesTest, StoredSettingsComeBackUnchanged) {
  ExpectRoundTrips<TForm_EventCountdown>("Countdown", {"TIME=0:10:00;", "TIME=25:01:01;"});
  ExpectRoundTrips<TForm_EventOnTime>(
      "OnTime", {"TIME=23:59:59;DATE=2025-12-31;USEDATE=True;", "TIME=0:00:00;DATE=2024-03-15;"});
  ExpectRoundTrips<TForm_EventWeekly>("Weekly",
                                      {"TIME=8:00:00;WEEKDAYS=1,0,1,0,0,0,1;", "TIME=0:00:00;"});
  ExpectRoundTrips<TForm_EventWinampStops>("WinampStops", {"SECONDS=30;"});
  ExpectRoundTrips<TForm_EventCPUUsage>(
      "CPUUsage", {"DIRECTION=True;USAGE=90;SECONDS=60;USEAVERAGE=True;", "USAGE=5;SECONDS=10;"});
  ExpectRoundTrips<TForm_EventHardDiskUsage>(
      "HardDiskUsage", {"USAGE=204800;SECONDS=30;DIRECTION=2;USEAVERAGE=True;"});
  ExpectRoundTrips<TForm_EventUserInactive>("UserInactive",
                                            {"TIME=1:30:00;METHOD=2;", "TIME=0:00:00;"});
  ExpectRoundTrips<TForm_EventBattery>(
      "Battery", {"CHECKBATTERYLEVEL=True;BATTERYLEVELBELOW=False;BATTERYLEVELPERCENTAGE=80;"
                  "CHECKPOWERSUPPLYSTATE=False;POWERSUPPLYSTATEONLINE=True;"});
  ExpectRoundTrips<TForm_EventLid>("Lid", {"CLOSES=False;", "CLOSES=True;"});
  ExpectRoundTrips<TForm_EventWindow>("Window", {"TITLE=*Notepad;INTERVAL=30;OPENS=False;"});
  ExpectRoundTrips<TForm_EventProcess>("Process",
                                       {"PROCESSNAME=notepad.exe;INTERVAL=2;STARTS=False;"});
  ExpectRoundTrips<TForm_EventFileSize>(
      "FileSizeLimit", {"FILE=C:\\images\\disk.iso;WHEN=0;SIZE=6000000000;SIZETYPE=2;",
                        "FILE=C:\\in\\;WHEN=1;SIZE=0;SIZETYPE=0;", "WHEN=2;"});
  ExpectRoundTrips<TForm_EventPingStops>("PingStops",
                                         {"ADDRESS=example.org;TRIGGERPERIOD=30;PINGINTERVAL=5;"});
}

// --- the clock events

TEST(CountdownFrameTest, ShowsTheDurationSplitAndSavesFieldsBeyondTheirUnits) {
  struct TCase {
    const char* Stored;
    const char* Hours;
    const char* Minutes;
    const char* Seconds;
  };
  const TCase Loads[] = {
      {"TIME=1:2:3;", "1", "2", "3"},
      {"TIME=90;", "0", "0", "0"},  // not three parts: no duration
      {"TIME=0:90:00;", "1", "30", "0"},
      {"TIME=20000:00:00;", "10000", "0", "0"},  // beyond the field's range
  };
  for (const auto& Case : Loads) {
    TFramesHost Host;
    TForm_EventCountdown Frame(Host.Context);
    Host.Load(Frame, "Countdown", Case.Stored);
    EXPECT_EQ(EditText(Frame, IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_HOURS), Case.Hours);
    EXPECT_EQ(EditText(Frame, IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_MINS), Case.Minutes);
    EXPECT_EQ(EditText(Frame, IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_SECS), Case.Seconds);
  }

  TFramesHost Host;
  TForm_EventCountdown Frame(Host.Context);
  Type(Frame, IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_HOURS, "0");
  Type(Frame, IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_MINS, "90");
  Type(Frame, IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_SECS, "75");
  EXPECT_EQ(Host.Save(Frame, "Countdown"), "TIME=1:31:15;");
  Type(Frame, IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_HOURS, "10000");
  Type(Frame, IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_MINS, "10000");
  Type(Frame, IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_SECS, "10001");
  EXPECT_EQ(Host.Save(Frame, "Countdown"), "TIME=10169:26:40;");
}

TEST(TimeFieldsTest, RangesWrapAroundPerFrame) {
  TFramesHost Host;
  TForm_EventCountdown Countdown(Host.Context);
  TForm_EventOnTime OnTime(Host.Context);
  TForm_EventUserInactive Inactive(Host.Context);
  struct TCase {
    TUpDownControl& Field;
    int From, Delta, Expected;
  };
  const TCase Cases[] = {
      {Countdown.Hours(), 10000, +1, 0},  {Countdown.Seconds(), 0, -1, 10000},
      {OnTime.Hours(), 23, +1, 0},        {OnTime.Hours(), 0, -1, 23},
      {OnTime.Minutes(), 59, +1, 0},      {OnTime.Seconds(), 0, -1, 59},
      {Inactive.Minutes(), 10000, +1, 0},
  };
  for (const auto& Case : Cases) {
    Case.Field.SetPosition(Case.From);
    Case.Field.Step(Case.Delta);
    EXPECT_EQ(Case.Field.Position(), Case.Expected) << Case.From << ' ' << Case.Delta;
  }
  OnTime.Hours().Associate().UserSetText("30");
  OnTime.Hours().Associate().Exit();
  EXPECT_EQ(OnTime.Hours().Associate().Text(), "23");
  EXPECT_TRUE(OnTime.Hours().Associate().Options().DigitsOnly);
}

TEST(OnTimeFrameTest, TheDateIsEnabledOnlyForASpecificDay) {
  TFramesHost Host;
  TForm_EventOnTime Frame(Host.Context);
  Host.Load(Frame, "OnTime", "TIME=7:00:00;DATE=2024-05-01;USEDATE=False;");
  EXPECT_FALSE(Frame.Date().Enabled());
  Click(Frame, IDC_ONTIME_CHECK_USEDATE);
  EXPECT_TRUE(Frame.Date().Enabled());
  EXPECT_EQ(Host.Save(Frame, "OnTime"), "TIME=7:00:00;DATE=2024-05-01;USEDATE=True;");
  Click(Frame, IDC_ONTIME_CHECK_USEDATE);
  EXPECT_FALSE(Frame.Date().Enabled());
}

TEST(OnTimeFrameTest, NowFillsInTheCurrentTimeAndAnUnusedDateFollowsTheCalendar) {
  TFramesHost Host;
  TForm_EventOnTime Frame(Host.Context);
  EXPECT_EQ(Frame.Date().Date(), MakeDateTime(2024, 3, 15)) << "today when made";
  Host.Loop.SetNow(MakeDateTime(2024, 3, 17, 18, 5, 42, 900));
  Click(Frame, IDC_ONTIME_BUTTON_NOW);
  EXPECT_EQ(Host.Save(Frame, "OnTime"), "TIME=18:05:42;DATE=2024-03-15;USEDATE=False;");

  Frame.VisibilityChanging(false);
  EXPECT_EQ(Frame.Date().Date(), MakeDateTime(2024, 3, 17));
  Host.Load(Frame, "OnTime", "DATE=2030-01-02;USEDATE=True;");
  Frame.VisibilityChanging(false);
  EXPECT_EQ(Frame.Date().Date(), MakeDateTime(2030, 1, 2)) << "a chosen date stays";
}

TEST(WeeklyFrameTest, DaysAndNow) {
  TFramesHost Host;
  TForm_EventWeekly Frame(Host.Context);
  Host.Load(Frame, "Weekly", "TIME=6:30:00;WEEKDAYS=1,0,1;");
  EXPECT_TRUE(Frame.Day(0).Checked());
  EXPECT_FALSE(Frame.Day(1).Checked());
  EXPECT_TRUE(Frame.Day(2).Checked());
  EXPECT_FALSE(Frame.Day(6).Checked());
  EXPECT_EQ(Frame.Day(6).Caption(), "Sunday");
  Click(Frame, IDC_WEEKLY_CHECK_MONDAY + 6);
  Click(Frame, IDC_WEEKLY_BUTTON_NOW);
  EXPECT_EQ(Host.Save(Frame, "Weekly"), "TIME=9:30:00;WEEKDAYS=1,0,1,0,0,0,1;");
}

// --- numbers typed into edits

TEST(NumberEditsTest, NonNumbersAndOutOfRangeNumbersSaveAsTheFramesSay) {
  struct TCase {
    const char* ID;
    int Edit;
    const char* Typed;
    const char* Key;
    const char* Saved;
  };
  const TCase Cases[] = {
      {"WinampStops", IDC_WINAMP_EDIT_SECONDS, "", "SECONDS=", "1"},
      {"WinampStops", IDC_WINAMP_EDIT_SECONDS, "0", "SECONDS=", "1"},
      {"WinampStops", IDC_WINAMP_EDIT_SECONDS, "5000", "SECONDS=", "999"},
      {"CPUUsage", IDC_CPU_EDIT_USAGE, "", "USAGE=", "1"},
      {"CPUUsage", IDC_CPU_EDIT_SECONDS, "40000", "SECONDS=", "32767"},
      {"HardDiskUsage", IDC_DISK_EDIT_USAGE, "x", "USAGE=", "1"},
      {"HardDiskUsage", IDC_DISK_EDIT_USAGE, "0", "USAGE=", "0"},  // no up-down limits it
      {"PingStops", IDC_PING_EDIT_TRIGGER, "", "TRIGGERPERIOD=", "1"},
      {"PingStops", IDC_PING_EDIT_INTERVAL, "12", "PINGINTERVAL=", "12"},
      {"Battery", IDC_BATTERY_EDIT_LEVEL, "abc", "BATTERYLEVELPERCENTAGE=", "1"},
      {"Battery", IDC_BATTERY_EDIT_LEVEL, "250", "BATTERYLEVELPERCENTAGE=", "100"},
      {"Window", IDC_WINDOW_EDIT_INTERVAL, "0", "INTERVAL=", "1"},
      {"FileSizeLimit", IDC_FILESIZE_EDIT_SIZE, "", "SIZE=", "0"},
  };
  for (const auto& Case : Cases) {
    TFramesHost Host;
    std::unique_ptr<TConfigFrame> Frame;
    const std::string ID = Case.ID;
    if (ID == "WinampStops")
      Frame = std::make_unique<TForm_EventWinampStops>(Host.Context);
    else if (ID == "CPUUsage")
      Frame = std::make_unique<TForm_EventCPUUsage>(Host.Context);
    else if (ID == "HardDiskUsage")
      Frame = std::make_unique<TForm_EventHardDiskUsage>(Host.Context);
    else if (ID == "PingStops")
      Frame = std::make_unique<TForm_EventPingStops>(Host.Context);
    else if (ID == "Battery")
      Frame = std::make_unique<TForm_EventBattery>(Host.Context);
    else if (ID == "Window")
      Frame = std::make_unique<TForm_EventWindow>(Host.Context);
    else
      Frame = std::make_unique<TForm_EventFileSize>(Host.Context);
    Type(*Frame, Case.Edit, Case.Typed);
    const std::string Saved = Host.Save(*Frame, ID);
    EXPECT_NE(Saved.find(std::string(Case.Key) + Case.Saved + ";"), std::string::npos)
        << ID << " typed \"" << Case.Typed << "\": " << Saved;
  }
}

TEST(NumberEditsTest, EditsTakeOnlyDigitsAndAsManyAsTheyHold) {
  TFramesHost Host;
  TForm_EventCPUUsage Cpu(Host.Context);
  TForm_EventHardDiskUsage Disk(Host.Context);
  TForm_EventPingStops Ping(Host.Context);
  struct TCase {
    TConfigFrame& Frame;
    int Edit;
    int MaxLength;
  };
  const TCase Cases[] = {
      {Cpu, IDC_CPU_EDIT_USAGE, 2},     {Cpu, IDC_CPU_EDIT_SECONDS, 6},
      {Disk, IDC_DISK_EDIT_USAGE, 6},   {Disk, IDC_DISK_EDIT_SECONDS, 4},
      {Ping, IDC_PING_EDIT_TRIGGER, 4}, {Ping, IDC_PING_EDIT_INTERVAL, 4},
  };
  for (const auto& Case : Cases) {
    const auto& Edit = Case.Frame.Control<TEditControl>(Case.Edit);
    EXPECT_EQ(Edit.Options().MaxLength, Case.MaxLength) << Case.Edit;
    EXPECT_FALSE(Edit.AcceptsChar(U'a')) << Case.Edit;
  }
  EXPECT_TRUE(Ping.Control<TEditControl>(IDC_PING_EDIT_HOST).AcceptsChar(U'.'));
}

TEST(PingStopsFrameTest, TheHostIsSavedAsTyped) {
  TFramesHost Host;
  TForm_EventPingStops Frame(Host.Context);
  EXPECT_EQ(Host.Save(Frame, "PingStops"), "ADDRESS=;TRIGGERPERIOD=10;PINGINTERVAL=2;");
  Type(Frame, IDC_PING_EDIT_HOST, " 10.0.0.1 ");
  EXPECT_EQ(Host.Save(Frame, "PingStops"), "ADDRESS= 10.0.0.1 ;TRIGGERPERIOD=10;PINGINTERVAL=2;");
}

// --- usage events

TEST(CPUUsageFrameTest, DirectionFollowsTheRadioButtons) {
  TFramesHost Host;
  TForm_EventCPUUsage Frame(Host.Context);
  EXPECT_TRUE(IsChecked(Frame, IDC_CPU_RB_BELOW));
  Click(Frame, IDC_CPU_RB_ABOVE);
  EXPECT_FALSE(IsChecked(Frame, IDC_CPU_RB_BELOW));
  Click(Frame, IDC_CPU_CHECK_AVERAGE);
  EXPECT_EQ(Host.Save(Frame, "CPUUsage"), "DIRECTION=True;USAGE=5;SECONDS=10;USEAVERAGE=True;");
}

class NetworkUsageFrameTest : public ::testing::Test {
 protected:
  NetworkUsageFrameTest() {
    Host.IpHelper.AddInterface(1, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, "Ethernet");
    Host.IpHelper.AddInterface(2, {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}, "Wi-Fi");
    Host.IpHelper.AddAddress(1, 0x0501A8C0);  // 192.168.1.5
  }
  TComboControl& Interfaces() { return Frame.Control<TComboControl>(IDC_NET_COMBO_INTERFACE); }

  TFramesHost Host;
  TForm_EventNetworkUsage Frame{Host.Context};
};

TEST_F(NetworkUsageFrameTest, ListsTheInterfacesAndSelectsTheStoredOneByItsAddress) {
  Host.Load(Frame, "NetworkUsage", "INTERFACE=aa-bb-cc-dd-ee-ff;TRAFFIC=2;");
  EXPECT_EQ(Interfaces().Items(), (std::vector<std::string>{"[192.168.1.5] Ethernet", "[] Wi-Fi"}));
  EXPECT_EQ(Interfaces().ItemIndex(), 1);
  EXPECT_TRUE(IsChecked(Frame, IDC_NET_RB_UPLOAD));
  EXPECT_EQ(Host.Save(Frame, "NetworkUsage"),
            "INTERFACE=AA-BB-CC-DD-EE-FF;USAGE=1;SECONDS=1;TRAFFIC=2;USEAVERAGE=False;")
      << "missing numbers read as 0 and go through the up-downs";
}

TEST_F(NetworkUsageFrameTest, AnUnknownInterfaceSelectsTheFirstAndNoneLeavesItEmpty) {
  Host.Load(Frame, "NetworkUsage", "INTERFACE=01-02-03-04-05-06;TRAFFIC=7;");
  EXPECT_EQ(Interfaces().ItemIndex(), 0);
  EXPECT_TRUE(IsChecked(Frame, IDC_NET_RB_TOTAL));
  Host.IpHelper.Interfaces.clear();
  Frame.VisibilityChanging(false);
  EXPECT_EQ(Interfaces().ItemIndex(), -1);
  EXPECT_EQ(Host.Save(Frame, "NetworkUsage").substr(0, 11), "INTERFACE=;");
}

TEST_F(NetworkUsageFrameTest, ShowingTheFrameRefreshesTheListAndKeepsTheSelection) {
  Host.Load(Frame, "NetworkUsage", "INTERFACE=AA-BB-CC-DD-EE-FF;");
  Host.IpHelper.Interfaces.erase(Host.IpHelper.Interfaces.begin());
  Host.IpHelper.AddInterface(3, {0x11, 0x22, 0x33, 0x44, 0x55, 0x66}, "VPN");
  Frame.VisibilityChanging(false);
  EXPECT_EQ(Interfaces().Items(), (std::vector<std::string>{"[] Wi-Fi", "[] VPN"}));
  EXPECT_EQ(Interfaces().ItemIndex(), 0);
}

TEST_F(NetworkUsageFrameTest, WithoutTheLibraryTheUserIsWarnedAndTheListStays) {
  Host.Load(Frame, "NetworkUsage", "INTERFACE=AA-BB-CC-DD-EE-FF;");
  TFramesHost Other;
  Other.IpHelper.Loadable = false;
  TForm_EventNetworkUsage Unloadable(Other.Context);
  Other.Load(Unloadable, "NetworkUsage", "");
  ASSERT_EQ(Other.UserInterface.Shown.size(), 1u);
  EXPECT_EQ(Other.UserInterface.Shown[0].Text, "Not able to load IP Helper library: iphlpapi.dll");
  EXPECT_EQ(Other.UserInterface.Shown[0].Kind, dkWarning);
  EXPECT_TRUE(Unloadable.Control<TComboControl>(IDC_NET_COMBO_INTERFACE).Items().empty());
}

class HardDiskUsageFrameTest : public ::testing::Test {
 protected:
  const std::string Perflib = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib";
  const std::string PerfDisk = "SYSTEM\\CurrentControlSet\\Services\\PerfDisk\\Performance";
  const std::string Switch = "Disable Performance Counters";

  HardDiskUsageFrameTest() {
    Host.SystemRegistry.AddKey(rrLocalMachine, Perflib);
    Host.SystemRegistry.SetDWord(rrLocalMachine, PerfDisk, Switch, 1);
  }
  TButtonControl& Warning(TConfigFrame& Frame) {
    return Frame.Control<TButtonControl>(IDC_DISK_BB_PERFCOUNTERSWARNING);
  }

  TFramesHost Host;
};

TEST_F(HardDiskUsageFrameTest, TheWarningShowsWhileTheDiskCountersAreDisabledAndEnablesThem) {
  TForm_EventHardDiskUsage Frame(Host.Context);
  EXPECT_FALSE(Warning(Frame).Visible());
  Frame.VisibilityChanging(false);
  EXPECT_TRUE(Warning(Frame).Visible());

  Host.UserInterface.Answer(drNo);
  Warning(Frame).Click();
  EXPECT_EQ(Host.SystemRegistry.DWord(rrLocalMachine, PerfDisk, Switch), 1u);
  ASSERT_EQ(Host.UserInterface.Shown.size(), 1u);
  EXPECT_EQ(Host.UserInterface.Shown[0].Buttons, dbYesNoCancel);
  EXPECT_EQ(Host.UserInterface.Shown[0].Text.substr(0, 50),
            "Performance counters that are required for this ev");

  Host.UserInterface.Answer(drYes);
  Warning(Frame).Click();
  EXPECT_EQ(Host.SystemRegistry.DWord(rrLocalMachine, PerfDisk, Switch), 0u);
  EXPECT_TRUE(Warning(Frame).Visible()) << "not looked at again until the frame is shown";
  Frame.VisibilityChanging(false);
  EXPECT_FALSE(Warning(Frame).Visible());
}

TEST_F(HardDiskUsageFrameTest, FailuresToReadOrWriteTheSwitchesAreShownAsErrors) {
  class TUnreadableRegistry : public TSimRegistry {
   public:
    std::optional<TRegistryValue> ReadValue(TRegistryRoot, std::string_view,
                                            std::string_view) override {
      throw EKoException("Registry unreadable");
    }
  } Unreadable;
  Host.Services.SystemRegistry = &Unreadable;
  TPlannerFrameContext Context{Host.Services, {}};
  TForm_EventHardDiskUsage Frame(Context);
  Frame.VisibilityChanging(false);
  EXPECT_TRUE(Warning(Frame).Visible());
  ASSERT_EQ(Host.UserInterface.Shown.size(), 1u);
  EXPECT_EQ(Host.UserInterface.Shown[0].Text, "Registry unreadable");
  EXPECT_EQ(Host.UserInterface.Shown[0].Kind, dkError);

  TForm_EventHardDiskUsage Writable(Host.Context);
  Writable.VisibilityChanging(false);
  Host.SystemRegistry.WritesFail = true;
  Host.UserInterface.Answer(drYes);
  Warning(Writable).Click();
  ASSERT_EQ(Host.UserInterface.Shown.size(), 3u);
  EXPECT_EQ(Host.UserInterface.Shown[2].Kind, dkError);
}

TEST_F(HardDiskUsageFrameTest, TheNoteIsRedBeforeWindowsXP) {
  const std::pair<TOsVersion, bool> Cases[] = {
      {{2, 5, 0}, true}, {{1, 4, 90}, true}, {{2, 5, 1}, false}, {{2, 10, 0}, false}};
  for (const auto& [Version, Red] : Cases) {
    Host.Machine.Version = Version;
    TForm_EventHardDiskUsage Frame(Host.Context);
    EXPECT_EQ(Frame.Control<TLabelControl>(IDC_DISK_LABEL_NOTE).Highlighted(), Red)
        << Version.Major << '.' << Version.Minor;
  }
}

// --- inactivity and power

TEST(UserInactiveFrameTest, OffersTheThreeMethodsAndSavesTheChosenOne) {
  TFramesHost Host;
  TForm_EventUserInactive Frame(Host.Context);
  auto& Method = Frame.Control<TComboControl>(IDC_INACTIVE_COMBO_METHOD);
  EXPECT_EQ(Method.Items(),
            (std::vector<std::string>{"Last Input Event", "Low Level Hook", "Injection Hook"}));
  EXPECT_EQ(Method.ItemIndex(), 0);
  Host.Load(Frame, "UserInactive", "TIME=0:90:00;METHOD=9;");
  EXPECT_EQ(Method.ItemIndex(), -1);
  EXPECT_EQ(Host.Save(Frame, "UserInactive"), "TIME=1:30:00;METHOD=0;");
  Method.UserSelect(1);
  EXPECT_EQ(Host.Save(Frame, "UserInactive"), "TIME=1:30:00;METHOD=1;");
}

TEST(BatteryFrameTest, EachConditionsCheckBoxEnablesItsChoicesAndOldSettingsLoad) {
  TFramesHost Host;
  TForm_EventBattery Frame(Host.Context);
  Host.Load(Frame, "Battery", "PERCENTAGE=10;OFFLINEONLY=True;");
  EXPECT_TRUE(IsChecked(Frame, IDC_BATTERY_CHECK_LEVEL));
  EXPECT_TRUE(IsChecked(Frame, IDC_BATTERY_RB_BELOW));
  EXPECT_EQ(EditText(Frame, IDC_BATTERY_EDIT_LEVEL), "10");
  EXPECT_TRUE(IsChecked(Frame, IDC_BATTERY_RB_OFFLINE));
  EXPECT_TRUE(Frame.FindControl(IDC_BATTERY_RB_ONLINE)->Enabled());

  Click(Frame, IDC_BATTERY_CHECK_POWER);
  EXPECT_FALSE(Frame.FindControl(IDC_BATTERY_RB_ONLINE)->Enabled());
  EXPECT_FALSE(Frame.FindControl(IDC_BATTERY_RB_OFFLINE)->Enabled());
  EXPECT_TRUE(Frame.FindControl(IDC_BATTERY_RB_ABOVE)->Enabled());
  Click(Frame, IDC_BATTERY_CHECK_LEVEL);
  EXPECT_FALSE(Frame.FindControl(IDC_BATTERY_RB_ABOVE)->Enabled());
  EXPECT_EQ(Host.Save(Frame, "Battery"),
            "CHECKBATTERYLEVEL=False;BATTERYLEVELBELOW=True;BATTERYLEVELPERCENTAGE=10;"
            "CHECKPOWERSUPPLYSTATE=False;POWERSUPPLYSTATEONLINE=False;");
}

TEST(LidFrameTest, TheNoteIsRedWhereLidNotificationsDoNotExist) {
  TFramesHost Host;
  Host.Machine.Version = {2, 5, 1};
  EXPECT_TRUE(
      TForm_EventLid(Host.Context).Control<TLabelControl>(IDC_LID_LABEL_NOTE).Highlighted());
  Host.Machine.Version = {2, 6, 0};
  TForm_EventLid Frame(Host.Context);
  EXPECT_FALSE(Frame.Control<TLabelControl>(IDC_LID_LABEL_NOTE).Highlighted());
  EXPECT_TRUE(IsChecked(Frame, IDC_LID_RB_CLOSES));
  Click(Frame, IDC_LID_RB_OPENS);
  EXPECT_EQ(Host.Save(Frame, "Lid"), "CLOSES=False;");
}

// --- watch events

TEST(WatchFramesTest, DropDownsOfferTheMachinesWindowsAndProcessesAndKeepTheText) {
  TFramesHost Host;
  Host.Machine.WindowList = {
      SimWindow(1, "Untitled - Notepad"), SimWindow(2, "Tool", true, true),
      SimWindow(3, "Hidden", false),      SimWindow(4, "   "),
      SimWindow(5, "Calculator"),
  };
  Host.Machine.ProcessTable = {{4, "explorer.exe"}, {8, "notepad.exe"}};
  TForm_EventWindow Window(Host.Context);
  auto& Titles = Window.Control<TComboControl>(IDC_WINDOW_COMBO_TITLES);
  Titles.UserSetText("*pad");
  Titles.DropDown();
  EXPECT_EQ(Titles.Items(), (std::vector<std::string>{"Untitled - Notepad", "Calculator"}));
  EXPECT_EQ(Titles.Text(), "*pad");
  Titles.UserSelect(1);
  EXPECT_EQ(Host.Save(Window, "Window"), "TITLE=Calculator;INTERVAL=5;OPENS=True;");

  TForm_EventProcess Process(Host.Context);
  auto& Names = Process.Control<TComboControl>(IDC_PROCESS_COMBO_NAME);
  Names.DropDown();
  Names.DropDown();
  EXPECT_EQ(Names.Items(), (std::vector<std::string>{"explorer.exe", "notepad.exe"}))
      << "refilled, not appended to";
  Click(Process, IDC_PROCESS_RB_STOPS);
  Names.UserSelect(1);
  EXPECT_EQ(Host.Save(Process, "Process"), "PROCESSNAME=notepad.exe;INTERVAL=5;STARTS=False;");
}

TEST(FileSizeFrameTest, BrowsingStartsAtThePathAndACancelKeepsIt) {
  TFramesHost Host;
  TForm_EventFileSize Frame(Host.Context);
  Host.Load(Frame, "FileSizeLimit", "FILE=C:\\old.log;");
  Click(Frame, IDC_FILESIZE_SB_SELECT);
  EXPECT_EQ(EditText(Frame, IDC_FILESIZE_EDIT_FILE), "C:\\old.log");
  Host.FileDialogs.Answer("C:\\new.log");
  Click(Frame, IDC_FILESIZE_SB_SELECT);
  EXPECT_EQ(EditText(Frame, IDC_FILESIZE_EDIT_FILE), "C:\\new.log");
  ASSERT_EQ(Host.FileDialogs.Shown.size(), 2u);
  EXPECT_EQ(Host.FileDialogs.Shown[0].Kind, "open");
  EXPECT_EQ(Host.FileDialogs.Shown[0].Options.FileName, "C:\\old.log");
  EXPECT_EQ(Host.FileDialogs.Shown[0].Options.Filter, "Any files (*.*)|*.*");

  Frame.DropFiles({"C:\\dropped.bin", "C:\\second.bin"});
  EXPECT_EQ(EditText(Frame, IDC_FILESIZE_EDIT_FILE), "C:\\dropped.bin");
}

TEST(FileSizeFrameTest, SizesBeyondThirtyTwoBitsAndUnitsAreKept) {
  TFramesHost Host;
  TForm_EventFileSize Frame(Host.Context);
  auto& Units = Frame.Control<TComboControl>(IDC_FILESIZE_COMBO_SIZETYPE);
  EXPECT_EQ(Units.Items(), (std::vector<std::string>{"Bytes", "KB", "MB", "GB"}));
  Type(Frame, IDC_FILESIZE_EDIT_SIZE, "5368709120");
  Units.UserSelect(3);
  Click(Frame, IDC_FILESIZE_RB_DELETED);
  EXPECT_EQ(Host.Save(Frame, "FileSizeLimit"), "FILE=;WHEN=2;SIZE=5368709120;SIZETYPE=3;");
  Host.Load(Frame, "FileSizeLimit", "WHEN=5;SIZETYPE=9;");
  EXPECT_TRUE(IsChecked(Frame, IDC_FILESIZE_RB_SIZE));
  EXPECT_EQ(Units.ItemIndex(), 0);
}

}  // namespace
