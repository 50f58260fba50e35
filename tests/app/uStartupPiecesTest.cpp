// The pieces start-up is made of: the command line, the version text, autorun entries and the
// single-instance communicator.

#include <gtest/gtest.h>

#include "app/uAppCommunicator.h"
#include "app/uAutorun.h"
#include "app/uCommandLine.h"
#include "app/uRegistryEx.h"
#include "app/uVersionText.h"
#include "platform/sim/uSimInstanceChannel.h"
#include "platform/sim/uSimRegistry.h"

namespace {

TEST(CommandLineTest, OnlyTheExactFirstArgumentIsASwitch) {
  struct Case {
    std::vector<std::string> Arguments;
    TCommandLineSwitch Switch;
    std::string Argument;
    bool HasArgument;
  };
  const Case Cases[] = {
      {{}, clsNone, "", false},
      {{"/uninstall"}, clsUninstall, "", false},
      {{"/action", "MonitorOff"}, clsAction, "MonitorOff", true},
      {{"/action"}, clsAction, "", false},
      {{"/preset", "C:\\Presets\\Night.kpr", "ignored", "too"},
       clsPreset,
       "C:\\Presets\\Night.kpr",
       true},
      {{"/PRESET", "Night"}, clsNone, "", false},
      {{"-preset", "Night"}, clsNone, "", false},
      {{"Night", "/preset"}, clsNone, "", false},
  };
  for (const auto& C : Cases) {
    const TCommandLine Parsed = ParseCommandLine(C.Arguments);
    EXPECT_EQ(Parsed.Switch, C.Switch);
    EXPECT_EQ(Parsed.Argument, C.Argument);
    EXPECT_EQ(Parsed.HasArgument, C.HasArgument);
  }
}

TEST(VersionTextTest, ShowsOnlyTheNumbersThatMatter) {
  EXPECT_EQ(VersionText(4, 4, 0, 0), "4.4");
  EXPECT_EQ(VersionText(4, 4, 0, 7), "4.4.0.7 Beta");
  EXPECT_EQ(VersionText(4, 4, 2, 0), "4.4.2");
  EXPECT_EQ(VersionText(0, 1, 0, 0), "0.1");
}

class AutorunTest : public testing::Test {
 protected:
  const std::string Program = "C:\\Program Files\\Kolvane\\kolvane.exe";
  TSimRegistry Registry;
};

TEST_F(AutorunTest, EntriesAreSwitchedOnAndOffPerRoot) {
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, false)) << "a missing key is simply off";
  SetAutorun(Registry, Program, false, true);
  EXPECT_TRUE(IsAutorunEnabled(Registry, Program, false));
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, true));
  EXPECT_TRUE(IsAutorunEnabled(Registry, "c:\\program files\\kolvane\\KOLVANE.EXE", false));
  SetAutorun(Registry, Program, false, false);
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, false));
}

TEST_F(AutorunTest, AnEntryNamingAnotherProgramIsNotOurs) {
  TRegistryEx Writer(Registry);
  Writer.WriteString(kAutorunKey, Program, "C:\\Other\\kolvane.exe");
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, false));
}

TEST_F(AutorunTest, UninstallRemovesBothEntries) {
  SetAutorun(Registry, Program, true, true);
  SetAutorun(Registry, Program, false, true);
  RemoveAutorunEntries(Registry, Program);
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, true));
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, false));
  EXPECT_NO_THROW(RemoveAutorunEntries(Registry, Program)) << "nothing left to remove";
}

TEST_F(AutorunTest, WritingWithoutRightsRaisesTheRegistryMessage) {
  Registry.ReadOnlyRoots.insert(rrLocalMachine);
  try {
    SetAutorun(Registry, Program, true, true);
    FAIL();
  } catch (const ERegistryException& Error) {
    EXPECT_STREQ(
        Error.what(),
        "Failed to create registry key \"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\".");
  }
  TRegistryEx Reader(Registry, rrCurrentUser);
  try {
    Reader.DeleteValue("SOFTWARE\\Nothing", "x");
    FAIL();
  } catch (const ERegistryException& Error) {
    EXPECT_STREQ(Error.what(), "Failed to open registry key \"\\SOFTWARE\\Nothing\".");
  }
  Reader.WriteString("\\SOFTWARE\\Kolvane", "A", "1");
  EXPECT_EQ(Reader.ReadString("SOFTWARE\\Kolvane", "missing"), "");
  try {
    Reader.DeleteValue("SOFTWARE\\Kolvane", "missing");
    FAIL();
  } catch (const ERegistryException& Error) {
    EXPECT_STREQ(
        Error.what(),
        "Failed to delete registry value by name \"missing\" in key \"\\SOFTWARE\\Kolvane\".");
  }
}

TEST(AppCommunicatorTest, TheFirstInstanceIsMasterAndHearsTheOthers) {
  TSimSession Session;
  TSimInstanceChannel FirstProcess(Session), SecondProcess(Session);
  TAppCommunicator First(FirstProcess), Second(SecondProcess);
  std::vector<std::string> Heard;
  First.OnMessage = [&](const std::string& Text) { Heard.push_back(Text); };
  First.Start(kKolvaneChannelName, true);
  Second.Start(kKolvaneChannelName, true);
  EXPECT_TRUE(First.IsMaster());
  EXPECT_FALSE(Second.IsMaster());

  EXPECT_TRUE(Second.Send(""));
  EXPECT_TRUE(Second.Send("again"));
  EXPECT_EQ(Heard, (std::vector<std::string>{"", "again"}));
  try {
    First.Send("");
    FAIL();
  } catch (const EKoException& Error) {
    EXPECT_STREQ(Error.what(), "Master communicator cannot send messages.");
  }
}

TEST(AppCommunicatorTest, ALaterInstanceBecomesMasterOnceTheFirstHasEnded) {
  TSimSession Session;
  {
    TSimInstanceChannel FirstProcess(Session);
    TAppCommunicator First(FirstProcess);
    First.Start(kKolvaneChannelName, true);
    ASSERT_TRUE(First.IsMaster());
  }
  TSimInstanceChannel LaterProcess(Session);
  TAppCommunicator Later(LaterProcess);
  Later.Start(kKolvaneChannelName, true);
  EXPECT_TRUE(Later.IsMaster());
}

}  // namespace
