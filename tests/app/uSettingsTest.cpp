#include "app/uSettings.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/uTempFolder.h"

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  TSettings Load(const std::string& Content) {
    WriteBytes(FileName, Content);
    TSettings Settings;
    LoadSettings(Settings, FileName);
    return Settings;
  }

  TTempFolder Folder;
  const std::string FileName = Folder.Text("Settings.ini");
};

// The file as the program writes it on a first run: every key in its place, with its default.
TEST_F(SettingsTest, WritesEveryKeyWithItsDefault) {
  ASSERT_TRUE(SaveSettings(TSettings(), FileName));
  EXPECT_EQ(ReadBytes(FileName),
            "[General]\r\n"
            "LanguageCode=\r\n"
            "BiDiCode=\r\n"
            "AlwaysOnTop=0\r\n"
            "MinimizeOnEventsStart=0\r\n"
            "MinimizeOnProgramLaunch=0\r\n"
            "StartEventsOnProgramLaunch=0\r\n"
            "MinimizeOnCloseClick=0\r\n"
            "StopOnSleep=0\r\n"
            "StartOnWakeUp=0\r\n"
            "StartOnWakeUpOnlyIfWasRunning=0\r\n"
            "PreventSystemSleepWhileRunning=0\r\n"
            "ShowTrayMessages=1\r\n"
            "HideTrayIcon=0\r\n"
            "AppOnlyOneInstance=0\r\n"
            "IncreaseTablesFontSize=1\r\n"
            "SaveAndLoadDefaultPreset=1\r\n"
            "EventStatusInTrayIconHint=1\r\n"
            "EventDetailsInTrayIconHint=0\r\n"
            "\r\n"
            "[Positions]\r\n"
            "MainPosX=-1\r\n"
            "MainPosY=-1\r\n"
            "MainWidth=-1\r\n"
            "MainHeight=-1\r\n"
            "EventsListColumnWidths=\r\n"
            "ActionsListColumnWidths=\r\n"
            "\r\n"
            "[WebInterface]\r\n"
            "Enabled=0\r\n"
            "HTTPS=0\r\n"
            "IP=127.0.0.1\r\n"
            "Port=80\r\n"
            "Username=\r\n"
            "Password=\r\n"
            "AllowCmdExec=0\r\n"
            "\r\n"
            "[Protection]\r\n"
            "Enabled=0\r\n"
            "Password=\r\n");
}

TEST_F(SettingsTest, EveryValueComesBackAfterSaving) {
  TSettings Changed;
  Changed.LanguageCode = "de";
  Changed.BiDiCode = "rtl";
  Changed.AlwaysOnTop = true;
  Changed.MinimizeOnEventsStart = true;
  Changed.MinimizeOnProgramLaunch = true;
  Changed.StartEventsOnProgramLaunch = true;
  Changed.MinimizeOnCloseClick = true;
  Changed.StopOnSleep = true;
  Changed.StartOnWakeUp = true;
  Changed.StartOnWakeUpOnlyIfWasRunning = true;
  Changed.PreventSystemSleepWhileRunning = true;
  Changed.ShowTrayMessages = false;
  Changed.HideTrayIcon = true;
  Changed.AppOnlyOneInstance = true;
  Changed.IncreaseTablesFontSize = false;
  Changed.SaveAndLoadDefaultPreset = false;
  Changed.EventStatusInTrayIconHint = false;
  Changed.EventDetailsInTrayIconHint = true;
  Changed.MainPosX = -32000;
  Changed.MainPosY = 10;
  Changed.MainWidth = 800;
  Changed.MainHeight = 600;
  Changed.EventsListColumnWidths = "120,80,200";
  Changed.ActionsListColumnWidths = "90;90";
  Changed.WebInterfaceEnabled = true;
  Changed.WebInterfaceHTTPS = true;
  Changed.WebInterfaceIP = "0.0.0.0";
  Changed.WebInterfacePort = 65535;
  Changed.WebInterfaceUsername = "admin=root; \xC3\xA4";
  Changed.WebInterfacePassword = "900150983CD24FB0D6963F7D28E17F72";
  Changed.WebInterfaceAllowCmdExec = true;
  Changed.ProtectionEnabled = true;
  Changed.ProtectionPassword = "D41D8CD98F00B204E9800998ECF8427E";
  ASSERT_NE(Changed, TSettings());

  ASSERT_TRUE(SaveSettings(Changed, FileName));
  TSettings Loaded;
  LoadSettings(Loaded, FileName);
  EXPECT_EQ(Loaded, Changed);
}

TEST_F(SettingsTest, MissingFileKeepsTheValuesHeld) {
  TSettings Settings;
  Settings.LanguageCode = "fr";
  LoadSettings(Settings, Folder.Text("Nothing.ini"));
  TSettings Expected;
  Expected.LanguageCode = "fr";
  EXPECT_EQ(Settings, Expected);
}

TEST_F(SettingsTest, MissingKeysKeepTheValuesHeld) {
  WriteBytes(FileName, "[General]\r\nAlwaysOnTop=1\r\n");
  TSettings Settings;
  Settings.LanguageCode = "fr";
  Settings.WebInterfacePort = 8080;
  LoadSettings(Settings, FileName);
  EXPECT_EQ(Settings.LanguageCode, "fr");
  EXPECT_EQ(Settings.WebInterfacePort, 8080);
  EXPECT_TRUE(Settings.AlwaysOnTop);
}

TEST_F(SettingsTest, BooleansAreTrueOnlyWhenTheyStartWithOne) {
  const struct {
    const char* Line;
    bool Expected;
  } Cases[] = {
      {"ShowTrayMessages=True", false}, {"ShowTrayMessages=1", true},
      {"ShowTrayMessages=", true},      {"ShowTrayMessages=0", false},
      {"ShowTrayMessages=10", true},    {"ShowTrayMessages=yes", false},
      {"showtraymessages=0", false},    {"Unrelated=0", true},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(Load(std::string("[general]\r\n") + Case.Line + "\r\n").ShowTrayMessages,
              Case.Expected)
        << Case.Line;
}

TEST_F(SettingsTest, NumbersThatAreNotNumbersKeepTheirValue) {
  const struct {
    const char* Content;
    int PosX;
    int Port;
  } Cases[] = {
      {"[Positions]\nMainPosX=-20\n[WebInterface]\nPort=8080\n", -20, 8080},
      {"[Positions]\nMainPosX=abc\n[WebInterface]\nPort=http\n", -1, 80},
      {"[Positions]\nMainPosX=99999999999\n[WebInterface]\nPort=70000\n", -1, 80},
      {"[WebInterface]\nPort=-1\n", -1, 80},
      {"[WebInterface]\nPort=0\n", -1, 0},
  };
  for (const auto& Case : Cases) {
    const TSettings Settings = Load(Case.Content);
    EXPECT_EQ(Settings.MainPosX, Case.PosX) << Case.Content;
    EXPECT_EQ(Settings.WebInterfacePort, Case.Port) << Case.Content;
  }
}

TEST_F(SettingsTest, TheLegacySleepKeySwitchesOnAllThreeSettings) {
  const struct {
    const char* General;
    bool StopOnSleep, StartOnWakeUp, OnlyIfWasRunning;
  } Cases[] = {
      {"StopOnSuspendAndRestartOnWakeUp=1\nStopOnSleep=0\n", true, true, true},
      {"StopOnSuspendAndRestartOnWakeUp=1\nStartOnWakeUp=0\nStartOnWakeUpOnlyIfWasRunning=0\n",
       true, true, true},
      {"StopOnSuspendAndRestartOnWakeUp=0\nStopOnSleep=1\n", true, false, false},
      {"StopOnSuspendAndRestartOnWakeUp=True\nStartOnWakeUp=1\n", false, true, false},
      {"StartOnWakeUp=1\nStartOnWakeUpOnlyIfWasRunning=1\n", false, true, true},
  };
  for (const auto& Case : Cases) {
    const TSettings Settings = Load(std::string("[General]\n") + Case.General);
    EXPECT_EQ(Settings.StopOnSleep, Case.StopOnSleep) << Case.General;
    EXPECT_EQ(Settings.StartOnWakeUp, Case.StartOnWakeUp) << Case.General;
    EXPECT_EQ(Settings.StartOnWakeUpOnlyIfWasRunning, Case.OnlyIfWasRunning) << Case.General;
  }

  // Saving writes the three keys of their own and drops the old one.
  ASSERT_TRUE(SaveSettings(Load("[General]\nStopOnSuspendAndRestartOnWakeUp=1\n"), FileName));
  const std::string Saved = ReadBytes(FileName);
  EXPECT_EQ(Saved.find("StopOnSuspendAndRestartOnWakeUp"), std::string::npos);
  EXPECT_NE(Saved.find("StopOnSleep=1\r\nStartOnWakeUp=1\r\nStartOnWakeUpOnlyIfWasRunning=1\r\n"),
            std::string::npos);
}

TEST_F(SettingsTest, DamagedFilesGiveTheDefaults) {
  for (const std::string& Content :
       {std::string("\0\xFF\xFE[[[==\r\r\n]]]", 14), std::string("AlwaysOnTop=1\n"),
        std::string("[General\nAlwaysOnTop=1\n")}) {
    EXPECT_EQ(Load(Content), TSettings());
  }
  // A folder where the file should be.
  TSettings Settings;
  LoadSettings(Settings, Folder.Text());
  EXPECT_EQ(Settings, TSettings());
}

TEST_F(SettingsTest, AFailedSaveReportsFalseAndKeepsThePreviousFile) {
  TSettings Before;
  Before.LanguageCode = "de";
  ASSERT_TRUE(SaveSettings(Before, FileName));
  const std::string PreviousFile = ReadBytes(FileName);

  TSettings After;
  After.LanguageCode = "fr";
  auto Interrupt = [](const std::filesystem::path&, const std::filesystem::path&) {
    throw std::runtime_error("power cut");
  };
  EXPECT_FALSE(SaveSettings(After, FileName, Interrupt));
  EXPECT_EQ(ReadBytes(FileName), PreviousFile);

  // A value that would break the file's structure is refused, not written.
  TSettings Injected;
  Injected.WebInterfaceUsername = "x\r\n[Protection]\r\nEnabled=0";
  EXPECT_FALSE(SaveSettings(Injected, FileName));
  EXPECT_EQ(ReadBytes(FileName), PreviousFile);

  TSettings Loaded;
  LoadSettings(Loaded, FileName);
  EXPECT_EQ(Loaded, Before);
}

TEST_F(SettingsTest, SavingCreatesTheStorageFolder) {
  const std::string Nested =
      Folder.Text("Tulmo") + PathDelim + "Kolvane" + PathDelim + "Settings.ini";
  ASSERT_TRUE(SaveSettings(TSettings(), Nested));
  EXPECT_TRUE(FileExists(Nested));
}

TEST(WebInterfaceAddressTest, BuildsTheAddressABrowserOpens) {
  const struct {
    bool HTTPS;
    const char* IP;
    std::uint16_t Port;
    const char* Expected;
  } Cases[] = {
      {false, "127.0.0.1", 80, "http://127.0.0.1:80"},
      {true, "0.0.0.0", 8443, "https://127.0.0.1:8443"},
      {false, "192.168.1.5", 8080, "http://192.168.1.5:8080"},
  };
  for (const auto& Case : Cases) {
    TSettings Settings;
    Settings.WebInterfaceHTTPS = Case.HTTPS;
    Settings.WebInterfaceIP = Case.IP;
    Settings.WebInterfacePort = Case.Port;
    EXPECT_EQ(WebInterfaceAddress(Settings), Case.Expected);
  }
}

}  // namespace
