// The item editor's flows as the main window uses them: adding and editing events and actions,
// the kind remembered per list, frames that keep their values, and kinds without settings.

#include <gtest/gtest.h>

#include "app/uItemEditor.h"
#include "events/eventframes_res.h"
#include "uFramesHost.h"

namespace {

class ItemEditorTest : public ::testing::Test {
 protected:
  int EventKind(const std::string& ID) { return Host.Registry.FindEventKind(ID); }
  int ActionKind(const std::string& ID) { return Host.Registry.FindActionKind(ID); }
  TConfigFrame& Shown() {
    EXPECT_NE(Editor.FrameList().Current(), nullptr);
    return *Editor.FrameList().Current();
  }
  // The user adds an event of a kind, sets the countdown's hours and saves.
  std::optional<TItemRow> AddCountdown(const std::string& Hours) {
    Editor.PrepareAddEvent();
    Editor.KindClicked(EventKind("Countdown"));
    Type(Shown(), IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_HOURS, Hours);
    return Editor.ResultRow();
  }

  TFramesHost Host;
  TItemEditor Editor{Host.Registry, Host.Context};
};

TEST_F(ItemEditorTest, AddingListsTheKindsOfTheListAndOffersTheFirstAtFirst) {
  Editor.PrepareAddEvent();
  ASSERT_EQ(Editor.KindNames().size(), Host.Registry.EventKinds().size());
  for (std::size_t I = 0; I < Editor.KindNames().size(); ++I)
    EXPECT_EQ(Editor.KindNames()[I], Host.Registry.EventKinds()[I]->Name());
  EXPECT_EQ(Editor.SelectedKind(), 0);
  EXPECT_EQ(Editor.Caption(), "Add Event");
  EXPECT_EQ(Editor.SaveCaption(), "Add");
  EXPECT_TRUE(Editor.KindListEnabled());
  EXPECT_FALSE(Editor.NoConfigurationVisible());
  EXPECT_EQ(Shown().ClassName(), "TForm_EventCountdown");

  Editor.PrepareAddAction();
  EXPECT_EQ(Editor.KindNames().front(), Host.Registry.ActionKinds().front()->Name());
  EXPECT_EQ(Editor.Caption(), "Add Action");
  EXPECT_EQ(Shown().ClassName(), "TForm_ActionShutdown");
}

TEST_F(ItemEditorTest, AddingGivesARowWithTheFramesSettings) {
  const auto Row = AddCountdown("2");
  ASSERT_TRUE(Row);
  EXPECT_EQ(Row->ID, "Countdown");
  EXPECT_EQ(Row->Caption, "Countdown");
  EXPECT_EQ(Row->Config, "TIME=2:10:00;");
  EXPECT_EQ(Row->Details, "Wait 2:10:00");
}

TEST_F(ItemEditorTest, AddingAKindAgainStartsFromTheValuesEnteredTheLastTimeEvenWhenCancelled) {
  AddCountdown("3");
  Editor.PrepareAddEvent();
  EXPECT_EQ(Editor.SelectedKind(), EventKind("Countdown"));
  EXPECT_EQ(EditText(Shown(), IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_HOURS), "3");
  EXPECT_EQ(Editor.ResultRow()->Config, "TIME=3:10:00;");

  Editor.PrepareAddEvent();
  Type(Shown(), IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_MINS, "45");  // then the user cancels
  Editor.PrepareAddEvent();
  EXPECT_EQ(EditText(Shown(), IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_MINS), "45");
}

TEST_F(ItemEditorTest, EachListRemembersTheKindUsedLast) {
  Editor.PrepareAddEvent();
  Editor.KindClicked(EventKind("Weekly"));
  Editor.PrepareAddAction();
  Editor.KindClicked(ActionKind("Message"));
  Editor.PrepareAddEvent();
  EXPECT_EQ(Editor.SelectedKind(), EventKind("Weekly"));
  EXPECT_EQ(Shown().ClassName(), "TForm_EventWeekly");
  Editor.PrepareAddAction();
  EXPECT_EQ(Editor.SelectedKind(), ActionKind("Message"));
  EXPECT_EQ(Editor.LastEventKind(), EventKind("Weekly"));
  Editor.KindClicked(-1);
  EXPECT_EQ(Editor.SelectedKind(), ActionKind("Message")) << "a cleared choice changes nothing";
}

TEST_F(ItemEditorTest, EditingShowsTheRowsSettingsWithTheKindFixed) {
  ASSERT_TRUE(Editor.PrepareEdit(itEvent, {{}, {}, {}, "TIME=1:02:03;", "Countdown"}));
  EXPECT_EQ(Editor.Caption(), "Edit Event");
  EXPECT_EQ(Editor.SaveCaption(), "Save");
  EXPECT_FALSE(Editor.KindListEnabled());
  EXPECT_EQ(Editor.SelectedKind(), EventKind("Countdown"));
  EXPECT_EQ(EditText(Shown(), IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_HOURS), "1");
  EXPECT_EQ(EditText(Shown(), IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_MINS), "2");
  EXPECT_EQ(EditText(Shown(), IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_SECS), "3");
  Editor.KindClicked(EventKind("Weekly"));
  EXPECT_EQ(Editor.SelectedKind(), EventKind("Countdown")) << "the kind of an edited item stays";

  Type(Shown(), IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_SECS, "9");
  EXPECT_EQ(Editor.ResultRow()->Config, "TIME=1:02:09;");

  Editor.PrepareEdit(itAction, {{}, {}, {}, "FORCE=True;", "Reboot"});
  EXPECT_EQ(Editor.Caption(), "Edit Action");
  const auto Row = Editor.ResultRow();
  EXPECT_EQ(Row->ID, "Reboot");
  EXPECT_EQ(Row->Details, "Force");
}

TEST_F(ItemEditorTest, EditingMakesTheKindTheOneUsedLast) {
  Editor.PrepareEdit(itEvent, {{}, {}, {}, "SECONDS=30;", "WinampStops"});
  Editor.PrepareAddEvent();
  EXPECT_EQ(Editor.SelectedKind(), EventKind("WinampStops"));
}

TEST_F(ItemEditorTest, AnUnknownRowKindOpensNothing) {
  Editor.PrepareAddAction();
  EXPECT_FALSE(Editor.PrepareEdit(itAction, {{}, {}, {}, "", "NoSuchKind"}));
  EXPECT_EQ(Editor.Caption(), "Add Action");
}

TEST_F(ItemEditorTest, AKindWithoutSettingsShowsNoFrameAndSavesAsItIs) {
  Editor.PrepareAddAction();
  Editor.KindClicked(ActionKind("Lock"));
  EXPECT_TRUE(Editor.NoConfigurationVisible());
  EXPECT_EQ(Editor.FrameList().Current(), nullptr);
  const auto Row = Editor.ResultRow();
  ASSERT_TRUE(Row);
  EXPECT_EQ(Row->ID, "Lock");
  EXPECT_EQ(Row->Caption, "Lock Workstation");
  EXPECT_EQ(Row->Config, "");
  Editor.KindClicked(ActionKind("Shutdown"));
  EXPECT_FALSE(Editor.NoConfigurationVisible());
}

TEST_F(ItemEditorTest, FilesAreAcceptedWhileAFrameThatTakesThemIsShown) {
  int Updates = 0;
  Editor.OnUpdate = [&] { ++Updates; };
  Editor.PrepareAddEvent();
  EXPECT_GT(Updates, 0);
  EXPECT_FALSE(Editor.AcceptsFiles());
  Editor.KindClicked(EventKind("FileSizeLimit"));
  EXPECT_TRUE(Editor.AcceptsFiles());
  Editor.DropFiles({"C:\\data\\big.iso", "C:\\other.txt"});
  EXPECT_EQ(Editor.ResultRow()->Config, "FILE=C:\\data\\big.iso;WHEN=0;SIZE=0;SIZETYPE=0;");
}

TEST_F(ItemEditorTest, TheResultMatchesTheListPrepared) {
  Editor.PrepareAddAction();
  EXPECT_EQ(Editor.GetEvent(), nullptr);
  EXPECT_NE(Editor.GetAction(), nullptr);
}

TEST_F(ItemEditorTest, OtherItemTypesAreRefused) {
  try {
    Editor.PrepareAdd(3);
    FAIL() << "accepted";
  } catch (const EKoException& Error) {
    EXPECT_STREQ(Error.what(), "Not supported item type: 3");
  }
  EXPECT_THROW(Editor.PrepareEdit(0, {{}, {}, {}, "", "Countdown"}), EKoException);
}

TEST(ItemEditorCreationTest, FramesStartFromTheKindsDefaultsNotFromTheScratchPrototypes) {
  TFramesHost Host;
  Host.Registry.GetEventKind("Countdown")->SetConfigText("TIME=0:00:05;");
  TItemEditor Editor(Host.Registry, Host.Context);
  Editor.PrepareAddEvent();
  EXPECT_EQ(EditText(*Editor.FrameList().Current(), IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_MINS), "10");
}

TEST_F(ItemEditorTest, MachineDependentChoicesAreCheckedEachTimeTheFrameIsShown) {
  const std::string Perflib = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib";
  Host.SystemRegistry.AddKey(TRegistryRoot::rrLocalMachine, Perflib);
  Editor.PrepareAddEvent();
  Editor.KindClicked(EventKind("HardDiskUsage"));
  EXPECT_FALSE(Shown().FindControl(IDC_DISK_BB_PERFCOUNTERSWARNING)->Visible());
  Host.SystemRegistry.SetDWord(TRegistryRoot::rrLocalMachine, Perflib,
                               "Disable Performance Counters", 1);
  Editor.PrepareAddEvent();
  EXPECT_TRUE(Shown().FindControl(IDC_DISK_BB_PERFCOUNTERSWARNING)->Visible());
}

}  // namespace
