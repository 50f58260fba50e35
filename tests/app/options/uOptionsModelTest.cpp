#include "app/uOptionsModel.h"

#include <gtest/gtest.h>

#include "app/uAutorun.h"
#include "app/uPasswordDigest.h"
#include "support/uOptionsTestHost.h"

namespace {

constexpr char kAutorunFailure[] =
    "Failed to apply system settings.\r\n\r\nError: Failed to create registry key "
    "\"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\".\r\n\r\n(Try to start the program as "
    "administrator to apply these settings)";

class OptionsModelTest : public testing::Test, protected TOptionsTestHost {
 protected:
  // Opens the dialog on the settings as they are now.
  TOptionsModel& Open() {
    FModel.emplace(Settings, Services());
    FModel->Load();
    return *FModel;
  }
  TOptionsControls& Controls() { return FModel->Controls(); }

 private:
  std::optional<TOptionsModel> FModel;
};

TEST_F(OptionsModelTest, ShowsEverySettingAndTheAutorunEntriesOfTheRegistry) {
  Settings.AlwaysOnTop = true;
  Settings.ShowTrayMessages = false;
  Settings.StartOnWakeUp = true;
  Settings.StartOnWakeUpOnlyIfWasRunning = true;
  Settings.WebInterfaceEnabled = true;
  Settings.WebInterfaceIP = "0.0.0.0";
  Settings.WebInterfacePort = 8080;
  Settings.WebInterfaceUsername = "admin";
  Settings.WebInterfacePassword = PasswordDigest("secret");
  SetAutorun(Registry, Program, false, true);

  TOptionsModel& Model = Open();
  EXPECT_TRUE(Controls().AlwaysOnTop);
  EXPECT_TRUE(Controls().DisableTrayMessages);
  EXPECT_TRUE(Controls().SaveAndLoadDefaultPreset) << "a default that is on";
  EXPECT_FALSE(Controls().MinimizeOnCloseClick);
  EXPECT_TRUE(Controls().StartOnWakeUpOnlyIfWasRunning);
  EXPECT_FALSE(Controls().AutorunAllUsers);
  EXPECT_TRUE(Controls().AutorunCurrentUser);
  EXPECT_EQ(Controls().WebInterfaceIP, "0.0.0.0");
  EXPECT_EQ(Controls().WebInterfacePort, "8080");
  EXPECT_EQ(Controls().WebInterfaceUsername, "admin");
  EXPECT_EQ(Controls().WebInterfacePassword, "**********") << "never the digest";
  EXPECT_EQ(Controls().ProtectionPassword, "");
  EXPECT_EQ(Controls().ProtectionPasswordRepeat, "");
  EXPECT_EQ(Model.Enabling(), (TOptionsEnabling{true, false, true}));
}

TEST_F(OptionsModelTest, AStoredProtectionPasswordShowsInBothBoxesAndSurvivesSave) {
  Settings.ProtectionEnabled = true;
  Settings.ProtectionPassword = PasswordDigest("guard");
  const TSettings Before = Settings;
  TOptionsModel& Model = Open();
  EXPECT_EQ(Controls().ProtectionPassword, "**********");
  EXPECT_EQ(Controls().ProtectionPasswordRepeat, "**********");
  EXPECT_TRUE(Model.SavePressed());
  EXPECT_EQ(Settings, Before);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(OptionsModelTest, OnlyIfItWasRunningFollowsStartOnWakeUp) {
  Settings.StartOnWakeUp = false;
  Settings.StartOnWakeUpOnlyIfWasRunning = true;  // as an old settings file may have it
  TOptionsModel& Model = Open();
  EXPECT_FALSE(Controls().StartOnWakeUpOnlyIfWasRunning);
  EXPECT_FALSE(Model.Enabling().StartOnWakeUpOnlyIfWasRunning);

  Controls().StartOnWakeUp = true;
  Model.StartOnWakeUpClicked();
  EXPECT_TRUE(Model.Enabling().StartOnWakeUpOnlyIfWasRunning);
  Controls().StartOnWakeUpOnlyIfWasRunning = true;

  Controls().StartOnWakeUp = false;
  Model.StartOnWakeUpClicked();
  EXPECT_FALSE(Controls().StartOnWakeUpOnlyIfWasRunning);
  EXPECT_FALSE(Model.Enabling().StartOnWakeUpOnlyIfWasRunning);
}

TEST_F(OptionsModelTest, OneKindOfAutorunAtATime) {
  TOptionsModel& Model = Open();
  Controls().AutorunCurrentUser = true;
  Model.AutorunCurrentUserClicked();
  Controls().AutorunAllUsers = true;
  Model.AutorunAllUsersClicked();
  EXPECT_TRUE(Controls().AutorunAllUsers);
  EXPECT_FALSE(Controls().AutorunCurrentUser);
  Controls().AutorunCurrentUser = true;
  Model.AutorunCurrentUserClicked();
  EXPECT_FALSE(Controls().AutorunAllUsers);
  EXPECT_TRUE(Controls().AutorunCurrentUser);
  Controls().AutorunCurrentUser = false;
  Model.AutorunCurrentUserClicked();
  EXPECT_FALSE(Controls().AutorunAllUsers) << "unchecking leaves the other alone";
}

TEST_F(OptionsModelTest, EachCheckBoxSavesItsOwnSetting) {
  using C = TOptionsControls;
  using S = TSettings;
  const struct {
    bool C::*Control;
    bool S::*Setting;
    bool Inverted;
  } Cases[] = {
      {&C::AlwaysOnTop, &S::AlwaysOnTop, false},
      {&C::SaveAndLoadDefaultPreset, &S::SaveAndLoadDefaultPreset, false},
      {&C::IncreaseTablesFontSize, &S::IncreaseTablesFontSize, false},
      {&C::MinimizeOnEventsStart, &S::MinimizeOnEventsStart, false},
      {&C::MinimizeOnProgramLaunch, &S::MinimizeOnProgramLaunch, false},
      {&C::MinimizeOnCloseClick, &S::MinimizeOnCloseClick, false},
      {&C::StartEventsOnProgramLaunch, &S::StartEventsOnProgramLaunch, false},
      {&C::PreventSystemSleepWhileRunning, &S::PreventSystemSleepWhileRunning, false},
      {&C::StopOnSleep, &S::StopOnSleep, false},
      {&C::StartOnWakeUp, &S::StartOnWakeUp, false},
      {&C::EventStatusInTrayIconHint, &S::EventStatusInTrayIconHint, false},
      {&C::EventDetailsInTrayIconHint, &S::EventDetailsInTrayIconHint, false},
      {&C::DisableTrayMessages, &S::ShowTrayMessages, true},
      {&C::AppOnlyOneInstance, &S::AppOnlyOneInstance, false},
      {&C::HideTrayIcon, &S::HideTrayIcon, false},
      {&C::WebInterfaceEnable, &S::WebInterfaceEnabled, false},
      {&C::WebInterfaceEnableHTTPS, &S::WebInterfaceHTTPS, false},
      {&C::WebInterfaceAllowCmdExec, &S::WebInterfaceAllowCmdExec, false},
      {&C::ProtectionEnable, &S::ProtectionEnabled, false},
  };
  for (const auto& Case : Cases) {
    Settings = TSettings();
    TOptionsModel& Model = Open();
    EXPECT_EQ(Controls().*Case.Control, (Settings.*Case.Setting) != Case.Inverted);
    Controls().*Case.Control = !(Controls().*Case.Control);
    TSettings Expected = Settings;
    Expected.*Case.Setting = !(Expected.*Case.Setting);
    ASSERT_TRUE(Model.SavePressed());
    EXPECT_EQ(Settings, Expected) << "only its own setting changes";
  }

  // The one box whose setting also needs another box checked.
  Settings = TSettings();
  Settings.StartOnWakeUp = true;
  TOptionsModel& Model = Open();
  Controls().StartOnWakeUpOnlyIfWasRunning = true;
  ASSERT_TRUE(Model.SavePressed());
  EXPECT_TRUE(Settings.StartOnWakeUpOnlyIfWasRunning);
}

TEST_F(OptionsModelTest, PasswordBoxesKeepClearOrReplaceTheStoredDigest) {
  const std::string Stored = PasswordDigest("old");
  const struct {
    std::string Stored;
    std::string Box;
    std::string Expected;
  } Cases[] = {
      {Stored, "**********", Stored},          // untouched
      {Stored, "", ""},                        // entered and left empty
      {Stored, "new", PasswordDigest("new")},  // a new password
      {"", "", ""},
      {"", "new", PasswordDigest("new")},
      // Ten asterisks typed while nothing is stored are the password, not the placeholder:
      // taking them for "keep" would leave protection on without a password.
      {"", "**********", PasswordDigest("**********")},
  };
  for (const auto& Case : Cases) {
    Settings = TSettings();
    Settings.WebInterfacePassword = Case.Stored;
    Settings.ProtectionPassword = Case.Stored;
    Settings.ProtectionEnabled = true;
    TOptionsModel& Model = Open();
    Model.PasswordBoxEntered(opbWebInterface);
    Model.PasswordBoxEntered(opbProtection);
    Model.PasswordBoxEntered(opbProtectionRepeat);
    EXPECT_EQ(Controls().WebInterfacePassword, "") << "entering a box empties it";
    Controls().WebInterfacePassword = Case.Box;
    Controls().ProtectionPassword = Case.Box;
    Controls().ProtectionPasswordRepeat = Case.Box;
    ASSERT_TRUE(Model.SavePressed()) << Case.Box;
    EXPECT_EQ(Settings.WebInterfacePassword, Case.Expected) << Case.Box;
    EXPECT_EQ(Settings.ProtectionPassword, Case.Expected) << Case.Box;
  }
}

TEST_F(OptionsModelTest, RefusedInputKeepsTheDialogOpenAndChangesNothing) {
  struct TCase {
    const char* Name;
    void (*Edit)(TOptionsControls&);
    const char* Message;
  };
  const TCase Cases[] = {
      {"different protection passwords",
       [](TOptionsControls& C) {
         C.ProtectionEnable = true;
         C.ProtectionPassword = "one";
         C.ProtectionPasswordRepeat = "two";
       },
       "Protection passwords do not match!"},
      {"protection passwords differing in case",
       [](TOptionsControls& C) {
         C.ProtectionEnable = true;
         C.ProtectionPassword = "Secret";
         C.ProtectionPasswordRepeat = "secret";
       },
       "Protection passwords do not match!"},
      {"three address parts",
       [](TOptionsControls& C) {
         C.WebInterfaceEnable = true;
         C.WebInterfaceIP = "192.168.1";
       },
       "Web Interface IP address is incorrect!"},
      {"an address part above 255",
       [](TOptionsControls& C) {
         C.WebInterfaceEnable = true;
         C.WebInterfaceIP = "192.168.1.300";
       },
       "Web Interface IP address is incorrect!"},
      {"a port above 65535",
       [](TOptionsControls& C) {
         C.WebInterfaceEnable = true;
         C.WebInterfacePort = "70000";
       },
       "Web Interface port must be a number from 1 to 65535!"},
      {"port 0",
       [](TOptionsControls& C) {
         C.WebInterfaceEnable = true;
         C.WebInterfacePort = "0";
       },
       "Web Interface port must be a number from 1 to 65535!"},
      {"both at once: the passwords are checked first",
       [](TOptionsControls& C) {
         C.ProtectionEnable = true;
         C.ProtectionPassword = "one";
         C.WebInterfaceEnable = true;
         C.WebInterfaceIP = "1.2.3";
       },
       "Protection passwords do not match!"},
  };
  for (const TCase& Case : Cases) {
    Settings = TSettings();
    UserInterface.Shown.clear();
    Log.clear();
    const TSettings Before = Settings;
    TOptionsModel& Model = Open();
    Controls().AlwaysOnTop = true;
    Case.Edit(Controls());
    EXPECT_FALSE(Model.SavePressed()) << Case.Name;
    EXPECT_EQ(Messages(), std::vector<std::string>{Case.Message}) << Case.Name;
    EXPECT_EQ(UserInterface.Shown.back().Kind, dkWarning);
    EXPECT_EQ(Settings, Before) << Case.Name;
    EXPECT_TRUE(Log.empty()) << Case.Name;
  }
}

TEST_F(OptionsModelTest, DisabledPartsAreNotChecked) {
  TOptionsModel& Model = Open();
  Controls().ProtectionEnable = false;
  Controls().ProtectionPassword = "one";
  Controls().ProtectionPasswordRepeat = "two";
  Controls().WebInterfaceEnable = false;
  Controls().WebInterfaceIP = "1.2.3";
  Controls().WebInterfacePort = "70000";
  EXPECT_TRUE(Model.SavePressed());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Settings.ProtectionPassword, PasswordDigest("one")) << "the first box counts";
  EXPECT_EQ(Settings.WebInterfaceIP, "1.2.3");
  EXPECT_EQ(Settings.WebInterfacePort, 80) << "a number that is no port keeps the port";
  EXPECT_EQ(Controls().WebInterfacePort, "80");
}

TEST_F(OptionsModelTest, ThePortTextIsStoredAsANumberAndShownBack) {
  const struct {
    const char* Text;
    std::uint16_t Port;
  } Cases[] = {{"8080", 8080}, {"", 80}, {"00443", 443}, {"65535", 65535}};
  for (const auto& Case : Cases) {
    Settings = TSettings();
    Settings.WebInterfacePort = 1234;
    TOptionsModel& Model = Open();
    Controls().WebInterfaceEnable = true;
    Controls().WebInterfacePort = Case.Text;
    ASSERT_TRUE(Model.SavePressed()) << Case.Text;
    EXPECT_EQ(Settings.WebInterfacePort, Case.Port) << Case.Text;
    EXPECT_EQ(Controls().WebInterfacePort, std::to_string(Case.Port));
  }
}

TEST_F(OptionsModelTest, SaveAppliesToTheRunningProgramInOrder) {
  PlannerRunning = true;
  TOptionsModel& Model = Open();
  Controls().WebInterfaceEnable = true;
  Controls().WebInterfaceIP = "127.0.0.1";
  Controls().WebInterfacePort = "8181";
  Controls().HideTrayIcon = true;
  Controls().PreventSystemSleepWhileRunning = true;
  Controls().IncreaseTablesFontSize = false;
  Controls().AutorunCurrentUser = true;
  ASSERT_TRUE(Model.SavePressed());
  EXPECT_EQ(Log, (std::vector<std::string>{"web interface restarted on 127.0.0.1:8181",
                                           "tray icon hidden", "tables font normal"}));
  EXPECT_TRUE(SleepPrevention.Preventing());
  EXPECT_TRUE(IsAutorunEnabled(Registry, Program, false));
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, true));

  // Again, switching everything back.
  Log.clear();
  TOptionsModel& Again = Open();
  Controls().WebInterfaceEnable = false;
  Controls().HideTrayIcon = false;
  Controls().PreventSystemSleepWhileRunning = false;
  Controls().AutorunCurrentUser = false;
  ASSERT_TRUE(Again.SavePressed());
  EXPECT_EQ(Log, (std::vector<std::string>{"web interface stopped", "tray icon shown",
                                           "tables font normal"}));
  EXPECT_FALSE(SleepPrevention.Preventing());
  EXPECT_EQ(ExecutionState.Calls, (std::vector<std::uint32_t>{0x80000001, 0x80000000}));
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, false));
}

TEST_F(OptionsModelTest, SleepIsLeftAloneWhileThePlannerIsIdle) {
  PlannerRunning = false;
  TOptionsModel& Model = Open();
  Controls().PreventSystemSleepWhileRunning = true;
  ASSERT_TRUE(Model.SavePressed());
  EXPECT_TRUE(ExecutionState.Calls.empty());
  EXPECT_TRUE(Settings.PreventSystemSleepWhileRunning) << "the next start uses it";
}

TEST_F(OptionsModelTest, UnchangedAutorunEntriesAreNotWritten) {
  SetAutorun(Registry, Program, true, true);
  Registry.Writes.clear();
  Registry.ReadOnlyRoots.insert(rrLocalMachine);  // as for a user without administrative rights
  TOptionsModel& Model = Open();
  EXPECT_TRUE(Controls().AutorunAllUsers);
  EXPECT_TRUE(Model.SavePressed());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(OptionsModelTest, AFailedAutorunChangeKeepsTheDialogOpenWithTheRestApplied) {
  Registry.ReadOnlyRoots.insert(rrLocalMachine);
  TOptionsModel& Model = Open();
  Controls().AlwaysOnTop = true;
  Controls().WebInterfaceEnable = true;
  Controls().AutorunAllUsers = true;
  EXPECT_FALSE(Model.SavePressed());
  EXPECT_EQ(Messages(), std::vector<std::string>{kAutorunFailure});
  EXPECT_EQ(UserInterface.Shown.back().Kind, dkWarning);
  EXPECT_TRUE(Settings.AlwaysOnTop);
  EXPECT_TRUE(Settings.WebInterfaceEnabled);
  EXPECT_EQ(Log.front(), "web interface restarted on 127.0.0.1:80");

  // The user gives up on the all-users entry and takes the own one instead.
  Controls().AutorunCurrentUser = true;
  Model.AutorunCurrentUserClicked();
  EXPECT_TRUE(Model.SavePressed());
  EXPECT_TRUE(IsAutorunEnabled(Registry, Program, false));
}

TEST_F(OptionsModelTest, AWebInterfaceThatCannotStartIsReportedAndTheRestApplies) {
  WebInterface.StartFailure = "Template \"home.html\" not found.";
  TOptionsModel& Model = Open();
  Controls().WebInterfaceEnable = true;
  Controls().AutorunCurrentUser = true;
  EXPECT_TRUE(Model.SavePressed());
  EXPECT_EQ(Messages(), std::vector<std::string>{"Template \"home.html\" not found."});
  EXPECT_TRUE(Settings.WebInterfaceEnabled);
  EXPECT_TRUE(IsAutorunEnabled(Registry, Program, false));
}

TEST_F(OptionsModelTest, ThePortCheckTellsWhetherTheWebInterfaceCouldListen) {
  Network.Taken.insert({"127.0.0.1", 8080});
  Network.Taken.insert({"0.0.0.0", 3000});
  const struct {
    const char* Address;
    const char* Port;
    const char* Message;
    TDialogKind Kind;
  } Cases[] = {
      {"127.0.0.1", "80", "IP address and Port seem to be available.", dkInformation},
      {"127.0.0.1", "", "IP address and Port seem to be available.", dkInformation},
      {"127.0.0.1", "8080", "IP address and Port are taken by another application!", dkWarning},
      {"0.0.0.0", "8080", "IP address and Port are taken by another application!", dkWarning},
      {"127.0.0.1", "3000", "IP address and Port are taken by another application!", dkWarning},
      {"10.1.2.3", "80", "IP address and Port are taken by another application!", dkWarning},
      {"127.0.0", "80", "IP address is incorrect!", dkWarning},
      {"127.0.0.1", "99999", "Web Interface port must be a number from 1 to 65535!", dkWarning},
  };
  for (const auto& Case : Cases) {
    UserInterface.Shown.clear();
    TOptionsModel& Model = Open();
    Controls().WebInterfaceIP = Case.Address;
    Controls().WebInterfacePort = Case.Port;
    Model.CheckPortPressed();
    ASSERT_EQ(UserInterface.Shown.size(), 1u);
    EXPECT_EQ(UserInterface.Shown[0].Text, Case.Message) << Case.Address << ":" << Case.Port;
    EXPECT_EQ(UserInterface.Shown[0].Kind, Case.Kind);
    EXPECT_EQ(UserInterface.Shown[0].Buttons, dbOK);
  }
  EXPECT_EQ(Network.Probes.size(), 6u) << "incorrect input is never tried";
}

TEST_F(OptionsModelTest, TheRunningWebInterfaceDoesNotTakeItsOwnPortFromItself) {
  Settings.WebInterfaceEnabled = true;
  Settings.WebInterfacePort = 8080;
  WebInterface.Running = true;
  Network.Taken.insert({"127.0.0.1", 8080});  // its own listener
  TOptionsModel& Model = Open();
  Model.CheckPortPressed();
  Controls().WebInterfaceIP = "0.0.0.0";
  Model.CheckPortPressed();
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"IP address and Port seem to be available.",
                                      "IP address and Port are taken by another application!"}));
}

TEST_F(OptionsModelTest, AddressChoicesAreTheFixedOnesAndThisComputersOwn) {
  TOptionsModel& Model = Open();
  EXPECT_EQ(Model.IPAddressChoices(), (std::vector<std::string>{"0.0.0.0", "127.0.0.1"}))
      << "a host name that does not resolve";
  Network.HostAddresses = {"192.168.1.20", "127.0.0.1", "10.0.0.5"};
  EXPECT_EQ(Model.IPAddressChoices(),
            (std::vector<std::string>{"0.0.0.0", "127.0.0.1", "192.168.1.20", "10.0.0.5"}));
}

TEST_F(OptionsModelTest, TheHideTrayIconWarningExplainsTheWayBack) {
  Open().HideTrayIconWarningPressed();
  ASSERT_EQ(UserInterface.Shown.size(), 1u);
  EXPECT_EQ(UserInterface.Shown[0].Kind, dkWarning);
  EXPECT_NE(UserInterface.Shown[0].Text.find("manually reset the settings file"),
            std::string::npos);
}

}  // namespace
