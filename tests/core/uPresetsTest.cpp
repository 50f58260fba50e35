#include "core/uPresets.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/uFilePaths.h"
#include "platform/sim/uSimUserInterface.h"
#include "support/uPlannerHost.h"
#include "support/uTempFolder.h"

namespace {

using Strings = std::vector<std::string>;

class PresetsTest : public ::testing::Test {
 protected:
  void WritePreset(const std::string& Name, const std::string& Text) {
    std::filesystem::create_directories(Utf8ToPath(Presets.PresetsFolder()));
    std::ofstream(Utf8ToPath(Presets.PresetFileName(Name)), std::ios::binary) << Text;
  }
  std::string ReadFile(const std::string& FileName) {
    std::ifstream In(Utf8ToPath(FileName), std::ios::binary);
    return {std::istreambuf_iterator<char>(In), {}};
  }
  Strings EventIDs() {
    Strings IDs;
    for (const auto& Row : Host.Rows.EventRows())
      IDs.push_back(Row.ID + " " + Row.Config);
    return IDs;
  }
  Strings ActionLabels() {
    Strings Labels;
    for (const auto& Row : Host.Rows.ActionRows())
      Labels.push_back(Row.Config);
    return Labels;
  }

  TTempFolder Storage;
  TPlannerHost Host;
  TSimUserInterface UserInterface;
  TPresets Presets{Storage.Text(), Host.Registry, Host.Rows, UserInterface};
};

TEST_F(PresetsTest, SavedPresetIsPlainIniAndLoadsBack) {
  Host.SetLogic(kolOR);
  Host.AddCountdown(600);
  Host.AddAction("shut");
  ASSERT_TRUE(Presets.SavePreset("Evening", true));
  EXPECT_EQ(
      ReadFile(Presets.PresetFileName("Evening")),
      "[General]\r\nLogic=2\r\n\r\n"
      "[Event1]\r\nID=Countdown\r\nConfig=TIME=0:10:00;\r\n\r\n"
      "[Action1]\r\nID=TestAction\r\nConfig=LABEL=shut;RESULT=ok;OUTCOME=0;TERMINAL=False;\r\n");
  EXPECT_EQ(Presets.CurrentPresetName(), "Evening");

  Host.Rows.EventRows().clear();
  Host.Rows.ActionRows().clear();
  Host.SetLogic(kolALL);
  ASSERT_TRUE(Presets.LoadPreset("Evening"));
  EXPECT_EQ(Host.Rows.GetSelectedLogic(), kolOR);
  EXPECT_EQ(EventIDs(), Strings{"Countdown TIME=0:10:00;"});
  EXPECT_EQ(Host.Rows.EventRows()[0].Details, "Wait 0:10:00");
  EXPECT_EQ(ActionLabels(), Strings{"LABEL=shut;RESULT=ok;OUTCOME=0;TERMINAL=False;"});
}

TEST_F(PresetsTest, EmptyListsWriteOnlyTheGeneralSection) {
  ASSERT_TRUE(Presets.SavePreset("Empty", false));
  EXPECT_EQ(ReadFile(Presets.PresetFileName("Empty")), "[General]\r\nLogic=0\r\n");
}

TEST_F(PresetsTest, FileOrderDecidesListOrderAndPrefixesDecideTheKind) {
  WritePreset("Mixed",
              "[General]\nLogic=3\n"
              "[Action1]\nID=TestAction\nConfig=LABEL=a;\n"
              "[Event2]\nID=Countdown\nConfig=TIME=0:00:02;\n"
              "[Notes]\nID=Countdown\nConfig=TIME=9:00:00;\n"
              "[Eventful]\nID=countdown\nConfig=TIME=0:00:03;\n"
              "[Event1]\nID=NoSuchKind\nConfig=X=1;\n"
              "[Event3]\nConfig=TIME=0:00:04;\n");
  ASSERT_TRUE(Presets.LoadPreset("Mixed"));
  EXPECT_EQ(Host.Rows.GetSelectedLogic(), kol1BY1);
  EXPECT_EQ(EventIDs(), (Strings{"Countdown TIME=0:00:02;", "Countdown TIME=0:00:03;"}));
  EXPECT_EQ(ActionLabels().size(), 1u);
}

TEST_F(PresetsTest, LogicComesFromGeneralOrIsAll) {
  WritePreset("NoGeneral", "[Event1]\nID=Countdown\nConfig=TIME=0:00:05;\n");
  Host.SetLogic(kolOR);
  ASSERT_TRUE(Presets.LoadPreset("NoGeneral"));
  EXPECT_EQ(Host.Rows.GetSelectedLogic(), kolALL);
}

TEST_F(PresetsTest, BrokenPresetsFailAndLeaveTheListsAlone) {
  struct Case {
    const char* Text;
    const char* Message;
  };
  const Case Cases[] = {
      {"[General]\nLogic=7\n[Event1]\nID=Countdown\nConfig=TIME=0:00:05;\n",
       "Unknown logic selected: 7"},
      {"[General]\nLogic=-1\n", "Unknown logic selected: 255"},
      {"[General]\nLogic=1\n[Event1]\nID=Countdown\nConfig=TIME=%zz;\n", "Invalid Hex: zz"},
  };
  Host.SetLogic(kolOR);
  Host.AddCountdown(42);
  for (const auto& C : Cases) {
    WritePreset("Broken", C.Text);
    try {
      Presets.LoadPreset("Broken");
      ADD_FAILURE() << C.Text;
    } catch (const EKoException& Error) {
      EXPECT_STREQ(Error.what(), C.Message);
    }
    EXPECT_EQ(Host.Rows.GetSelectedLogic(), kolOR);
    EXPECT_EQ(EventIDs(), Strings{"Countdown TIME=0:00:42;"});
    EXPECT_EQ(Presets.CurrentPresetName(), "");
  }
}

TEST_F(PresetsTest, MissingPresetLoadsNothing) {
  Host.AddCountdown(42);
  EXPECT_FALSE(Presets.LoadPreset("Nowhere"));
  EXPECT_EQ(EventIDs(), Strings{"Countdown TIME=0:00:42;"});
}

TEST_F(PresetsTest, ResolvesNamesAndPaths) {
  auto ByName = Presets.ResolvePreset("Night shift");
  EXPECT_EQ(ByName.Name, "Night shift");
  EXPECT_EQ(ByName.FileName, Storage.Text("Presets") + PathDelim + "Night shift.kpr");

  const std::string Path = Storage.Text("elsewhere") + PathDelim + "Weekend.v2.kpr";
  auto ByPath = Presets.ResolvePreset(Path);
  EXPECT_EQ(ByPath.FileName, Path);
  EXPECT_EQ(ByPath.Name, "Weekend.v2");
}

TEST_F(PresetsTest, LoadingAFileElsewhereNamesThePresetAfterTheFile) {
  std::filesystem::create_directories(Storage.Path() / "elsewhere");
  const std::string Path = Storage.Text("elsewhere") + PathDelim + "Weekend.kpr";
  std::ofstream(Utf8ToPath(Path)) << "[General]\nLogic=2\n";
  ASSERT_TRUE(Presets.LoadPreset(Path));
  EXPECT_EQ(Presets.CurrentPresetName(), "Weekend");
}

TEST_F(PresetsTest, DefaultPresetInAnyCaseIsNeverListedNorCurrent) {
  ASSERT_TRUE(Presets.SavePreset("Work", false));
  ASSERT_TRUE(Presets.SavePreset("[DEFAULT]", true));
  EXPECT_TRUE(UserInterface.Shown.empty());
  EXPECT_EQ(Presets.CurrentPresetName(), "Work");
  ASSERT_TRUE(Presets.LoadPreset("[DEFAULT]"));
  EXPECT_EQ(Presets.CurrentPresetName(), "Work");
  EXPECT_EQ(Presets.ListPresets(), Strings{"Work"});
}

TEST_F(PresetsTest, ListIsSortedIgnoringCaseAndHoldsOnlyPresetFiles) {
  for (const char* Name : {"beta", "Alpha", "gamma", "[default]", "ALPHA2"})
    WritePreset(Name, "[General]\n");
  std::ofstream(Utf8ToPath(Presets.PresetsFolder() + "notes.txt")) << "x";
  std::ofstream(Utf8ToPath(Presets.PresetsFolder() + "Upper.KPR")) << "x";
  std::filesystem::create_directories(Utf8ToPath(Presets.PresetsFolder() + "sub.kpr"));
  EXPECT_EQ(Presets.ListPresets(), (Strings{"Alpha", "ALPHA2", "beta", "gamma", "Upper"}));
}

TEST_F(PresetsTest, ListOfAMissingFolderIsEmpty) {
  EXPECT_TRUE(Presets.ListPresets().empty());
}

TEST_F(PresetsTest, OverwritingAsksFirstAndANoKeepsTheFileAndTheName) {
  Host.AddCountdown(1);
  ASSERT_TRUE(Presets.SavePreset("Keep", true));
  EXPECT_TRUE(UserInterface.Shown.empty()) << "a new file needs no question";
  const std::string Before = ReadFile(Presets.PresetFileName("Keep"));
  ASSERT_TRUE(Presets.SavePreset("Other", false));

  Host.AddCountdown(2);
  UserInterface.Answer(drNo);
  EXPECT_FALSE(Presets.SavePreset("Keep", true));
  ASSERT_EQ(UserInterface.Shown.size(), 1u);
  EXPECT_EQ(UserInterface.Shown[0].Text, "File already exists!\r\nOverwrite it?");
  EXPECT_EQ(UserInterface.Shown[0].Buttons, dbYesNo);
  EXPECT_EQ(ReadFile(Presets.PresetFileName("Keep")), Before);
  EXPECT_EQ(Presets.CurrentPresetName(), "Other");

  UserInterface.Answer(drYes);
  EXPECT_TRUE(Presets.SavePreset("Keep", true));
  EXPECT_NE(ReadFile(Presets.PresetFileName("Keep")), Before);
  EXPECT_EQ(Presets.CurrentPresetName(), "Keep");
}

TEST_F(PresetsTest, NamesWithADelimiterSaveIntoASubfolder) {
  const std::string Name = std::string("team") + PathDelim + "night";
  ASSERT_TRUE(Presets.SavePreset(Name, false));
  EXPECT_TRUE(std::filesystem::exists(Storage.Path() / "Presets" / "team" / "night.kpr"));
}

TEST_F(PresetsTest, InterruptedSaveKeepsThePreviousPresetReadable) {
  Host.AddCountdown(5);
  ASSERT_TRUE(Presets.SavePreset("Safe", false));
  TPresets Failing{Storage.Text(), Host.Registry, Host.Rows, UserInterface,
                   [](const std::filesystem::path&, const std::filesystem::path&) {
                     throw std::runtime_error("power lost");
                   }};
  Host.AddCountdown(6);
  EXPECT_THROW(Failing.SavePreset("Safe", false), EFileSave);
  Host.Rows.EventRows().clear();
  ASSERT_TRUE(Presets.LoadPreset("Safe"));
  EXPECT_EQ(EventIDs(), Strings{"Countdown TIME=0:00:05;"});
  EXPECT_EQ(Presets.ListPresets(), Strings{"Safe"}) << "no temporary file is left behind";
}

TEST_F(PresetsTest, DefaultPresetAtStartAndExit) {
  Host.AddCountdown(7);
  Presets.SaveDefaultPresetAtExit(false);
  EXPECT_FALSE(std::filesystem::exists(Utf8ToPath(Presets.PresetFileName("[default]"))));
  Presets.SaveDefaultPresetAtExit(true);
  ASSERT_TRUE(std::filesystem::exists(Utf8ToPath(Presets.PresetFileName("[default]"))));

  Host.Rows.EventRows().clear();
  Presets.LoadDefaultPresetAtStart(true);
  EXPECT_EQ(EventIDs(), Strings{"Countdown TIME=0:00:07;"});
  EXPECT_EQ(Presets.CurrentPresetName(), "");

  WritePreset("[default]", "[General]\nLogic=9\n");
  EXPECT_NO_THROW(Presets.LoadDefaultPresetAtStart(true)) << "failures at start pass silently";
}

TEST_F(PresetsTest, PlannerRunsAnotherPresetThroughItsLoader) {
  Host.Planner.PresetLoader = [this](const std::string& Name) { return Presets.LoadPreset(Name); };
  Host.AddCountdown(3);
  Host.AddAction("next");
  ASSERT_TRUE(Presets.SavePreset("Next", false));
  Host.Rows.EventRows().clear();
  Host.Rows.ActionRows().clear();
  Host.AddRunPreset("Next");
  Host.Planner.Start();
  Host.Loop.ProcessMessages();
  EXPECT_EQ(Host.Planner.State(), kpsMonitoring);
  Host.Loop.Advance(3000);
  EXPECT_EQ(Host.Executed(), (Strings{"preset Next", "next"}));
}

}  // namespace
