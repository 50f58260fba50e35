// The action kinds' frames on the simulated machine: stored settings in and out, the rules of
// each frame, browsing, dropped files and the choices read from the machine.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "actions/actionframes_res.h"
#include "actions/uDisplayActionFrames.h"
#include "actions/uMessageActionFrame.h"
#include "actions/uPowerActionFrames.h"
#include "actions/uProgramActionFrames.h"
#include "actions/uScreenshotActionFrame.h"
#include "actions/uUtilitiesActionFrame.h"
#include "actions/uProcessLauncher.h"
#include "support/uTempFolder.h"
#include "uFramesHost.h"

namespace {

std::string Canonical(TFramesHost& Host, const std::string& ID, const std::string& Config) {
  auto Action = Host.Registry.CreateAction(ID);
  Action->SetConfigText(Config);
  return Action->GetConfigText();
}

template <typename TFrame>
void ExpectRoundTrips(const std::string& ID, std::initializer_list<const char*> Configs) {
  for (const char* Config : Configs) {
    TFramesHost Host;
    TFrame Frame(Host.Context);
    Host.Load(Frame, ID, Config);
    EXPECT_EQ(Host.Save(Frame, ID), Canonical(Host, ID, Config)) << ID << ": " << Config;
  }
}

TEST(ActionFramesTest, StoredSettingsComeBackUnchanged) {
  ExpectRoundTrips<TForm_ActionShutdown>("Shutdown", {"FORCE=True;", "FORCE=False;"});
  ExpectRoundTrips<TForm_ActionReboot>("Reboot", {"FORCE=True;"});
  ExpectRoundTrips<TForm_ActionLogoff>("Logoff", {"FORCE=True;"});
  ExpectRoundTrips<TForm_ActionSleep>(
      "Sleep", {"FORCE=True;DISABLEWAKEEVENT=False;", "FORCE=False;DISABLEWAKEEVENT=True;"});
  ExpectRoundTrips<TForm_ActionHibernate>("Hibernate", {"FORCE=True;DISABLEWAKEEVENT=True;"});
  ExpectRoundTrips<TForm_ActionMessage>(
      "Message", {"TEXT=Saving%3B shutting down;SECONDS=75;MINIMIZEALLWINDOWS=True;"
                  "DISABLERESTART=True;DISABLECANCEL=False;DISABLEEXIT=True;STAYONTOP=True;",
                  "TEXT=;SECONDS=0;"});
  ExpectRoundTrips<TForm_ActionRunProgram>(
      "RunProgram", {"COMMAND=\"c:\\my program.exe\" \"my parameter\";WORKINGDIRECTORY=c:\\;"
                     "WAIT=False;"});
  ExpectRoundTrips<TForm_ActionOpenFile>("OpenFile", {"FILENAME=mailto:me@example.org;"});
  ExpectRoundTrips<TForm_ActionCloseWindow>("CloseWindow",
                                            {"WINDOWTITLE=*Notepad;METHOD=3;", "METHOD=2;"});
  ExpectRoundTrips<TForm_ActionKillProcess>("KillProcess", {"PROCESSNAME=notepad.exe;"});
  ExpectRoundTrips<TForm_ActionRunPreset>(
      "RunPreset", {"PRESETNAME=Night;RUNINNEWINSTANCE=True;WAITFORNEWINSTANCETOEXIT=True;"});
  ExpectRoundTrips<TForm_ActionUtilities>("Utilities", {"ACTION=3;PAUSESECONDS=20;", "ACTION=1;"});
}

TEST(PowerActionFramesTest, EachFrameEditsItsOwnKindWithItsOwnCaption) {
  TFramesHost Host;
  TForm_ActionShutdown Shutdown(Host.Context);
  TForm_ActionReboot Reboot(Host.Context);
  TForm_ActionLogoff Logoff(Host.Context);
  TForm_ActionSleep Sleep(Host.Context);
  TForm_ActionHibernate Hibernate(Host.Context);
  struct TCase {
    TConfigFrame& Frame;
    const char* ID;
    int Check;
    const char* Caption;
  };
  const TCase Cases[] = {
      {Shutdown, "Shutdown", IDD_ACTIONSHUTDOWN + IDC_FORCE_CHECK,
       "Force applications to close upon shutdown"},
      {Reboot, "Reboot", IDD_ACTIONREBOOT + IDC_FORCE_CHECK,
       "Force applications to close upon reboot"},
      {Logoff, "Logoff", IDD_ACTIONLOGOFF + IDC_FORCE_CHECK,
       "Force applications to close upon logoff"},
      {Sleep, "Sleep", IDD_ACTIONSLEEP + IDC_SUSPEND_CB_FORCE, "Force critical suspend state"},
      {Hibernate, "Hibernate", IDD_ACTIONHIBERNATE + IDC_SUSPEND_CB_FORCE,
       "Force critical suspend state"},
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(dynamic_cast<IPlannerFrame&>(Case.Frame).GetItemClass(),
              std::type_index(typeid(*Host.Registry.GetActionKind(Case.ID))));
    EXPECT_EQ(Case.Frame.FindControl(Case.Check)->Caption(), Case.Caption);
    Click(Case.Frame, Case.Check);
    EXPECT_EQ(Host.Save(Case.Frame, Case.ID).substr(0, 11), "FORCE=True;") << Case.ID;
  }
  Click(Sleep, IDD_ACTIONSLEEP + IDC_SUSPEND_CB_DISABLEWAKEEVENT);
  EXPECT_EQ(Host.Save(Sleep, "Sleep"), "FORCE=True;DISABLEWAKEEVENT=True;");
}

TEST(MessageFrameTest, TheDurationIsShownInMinutesAndSecondsAndSavedAsTheirSum) {
  struct TCase {
    const char* Minutes;
    const char* Seconds;
    const char* Saved;
  };
  const TCase Cases[] = {
      {"1", "90", "SECONDS=150;"},        {"0", "0", "SECONDS=0;"},          {"", "", "SECONDS=0;"},
      {"9999", "999", "SECONDS=600939;"}, {"12345", "5", "SECONDS=599945;"},
  };
  for (const auto& Case : Cases) {
    TFramesHost Host;
    TForm_ActionMessage Frame(Host.Context);
    Type(Frame, IDC_MESSAGE_EDIT_MINUTES, Case.Minutes);
    Type(Frame, IDC_MESSAGE_EDIT_SECONDS, Case.Seconds);
    const std::string Saved = Host.Save(Frame, "Message");
    EXPECT_NE(Saved.find(Case.Saved), std::string::npos) << Saved;
  }
  TFramesHost Host;
  TForm_ActionMessage Frame(Host.Context);
  Host.Load(Frame, "Message", "SECONDS=75;");
  EXPECT_EQ(EditText(Frame, IDC_MESSAGE_EDIT_MINUTES), "1");
  EXPECT_EQ(EditText(Frame, IDC_MESSAGE_EDIT_SECONDS), "15");
  const auto& Memo = Frame.Control<TEditControl>(IDC_MESSAGE_MEMO);
  EXPECT_FALSE(Memo.AcceptsChar(U'\r')) << "Return adds no line break";
  EXPECT_EQ(Frame.Control<TEditControl>(IDC_MESSAGE_EDIT_MINUTES).Options().MaxLength, 4);
  EXPECT_EQ(Frame.Control<TEditControl>(IDC_MESSAGE_EDIT_SECONDS).Options().MaxLength, 3);
}

TEST(UtilitiesFrameTest, OneRadioButtonPerActionAndNoneForAnythingElse) {
  const std::pair<const char*, int> Loads[] = {
      {"ACTION=0;", 0}, {"ACTION=1;", 1}, {"ACTION=2;", 2}, {"ACTION=3;", 3}, {"ACTION=9;", 0}};
  const int Radios[] = {IDC_UTILITIES_RB_CLOSEAPPLICATION, IDC_UTILITIES_RB_RESTARTEVENTS,
                        IDC_UTILITIES_RB_PAUSE};
  for (const auto& [Stored, Checked] : Loads) {
    TFramesHost Host;
    TForm_ActionUtilities Frame(Host.Context);
    Host.Load(Frame, "Utilities", Stored);
    for (int I = 0; I < 3; ++I)
      EXPECT_EQ(IsChecked(Frame, Radios[I]), Checked == I + 1) << Stored;
    EXPECT_EQ(Host.Save(Frame, "Utilities"),
              "ACTION=" + std::to_string(Checked) + ";PAUSESECONDS=0;");
  }
  TFramesHost Host;
  TForm_ActionUtilities Frame(Host.Context);
  EXPECT_EQ(EditText(Frame, IDC_UTILITIES_EDIT_PAUSESECONDS), "10");
  Type(Frame, IDC_UTILITIES_EDIT_PAUSESECONDS, "12000");
  Click(Frame, IDC_UTILITIES_RB_RESTARTEVENTS);
  auto Action = Host.Registry.CreateAction("Utilities");
  TPlannerItem Item(*Action);
  Frame.CommitEdits();
  Frame.SaveToItem(Item);
  EXPECT_EQ(Action->GetConfigText(), "ACTION=2;PAUSESECONDS=9999;");
  EXPECT_TRUE(Action->Terminal()) << "the kind's own rules apply to what the frame saves";
}

TEST(RunProgramFrameTest, ChosenAndDroppedProgramsAreQuoted) {
  TFramesHost Host;
  TForm_ActionRunProgram Frame(Host.Context);
  Host.FileDialogs.Answer("C:\\Program Files\\Tool\\tool.exe");
  Click(Frame, IDC_RUNPROGRAM_SB_SELECTPROGRAM);
  EXPECT_EQ(EditText(Frame, IDC_RUNPROGRAM_EDIT_COMMAND), "\"C:\\Program Files\\Tool\\tool.exe\"");
  EXPECT_EQ(Host.FileDialogs.Shown[0].Options.Filter,
            "Executable files (*.exe;*.bat;*.com)|*.exe;*.bat;*.com");
  Host.FileDialogs.Answer("D:\\Work");
  Click(Frame, IDC_RUNPROGRAM_SB_SELECTWORKDIR);
  EXPECT_EQ(EditText(Frame, IDC_RUNPROGRAM_EDIT_WORKDIR), "D:\\Work");
  EXPECT_EQ(Host.FileDialogs.Shown[1].Kind, "directory");
  Click(Frame, IDC_RUNPROGRAM_SB_SELECTWORKDIR);  // cancelled
  EXPECT_EQ(EditText(Frame, IDC_RUNPROGRAM_EDIT_WORKDIR), "D:\\Work");
  EXPECT_EQ(Host.FileDialogs.Shown[2].Options.InitialDir, "D:\\Work");
}

TEST(RunProgramFrameTest, ADroppedItemAlsoGivesAnEmptyWorkingDirectory) {
  TTempFolder Temp;
  std::filesystem::create_directory(Temp.Path() / "folder");
  std::ofstream(Temp.Path() / "run me.bat") << "@echo off\n";
  const std::string Folder = Temp.Text("folder");
  const std::string File = Temp.Text("run me.bat");
  const std::string FileDir = Temp.Text().substr(0, Temp.Text().size() - 1);

  TFramesHost Host;
  TForm_ActionRunProgram Frame(Host.Context);
  Frame.DropFiles({File, Folder});
  EXPECT_EQ(EditText(Frame, IDC_RUNPROGRAM_EDIT_COMMAND), '"' + File + '"');
  EXPECT_EQ(EditText(Frame, IDC_RUNPROGRAM_EDIT_WORKDIR), FileDir);

  Type(Frame, IDC_RUNPROGRAM_EDIT_WORKDIR, "");
  Frame.DropFiles({Folder});
  EXPECT_EQ(EditText(Frame, IDC_RUNPROGRAM_EDIT_WORKDIR), Folder);
  Frame.DropFiles({File});
  EXPECT_EQ(EditText(Frame, IDC_RUNPROGRAM_EDIT_WORKDIR), Folder) << "a chosen one stays";
  Frame.DropFiles({});
  EXPECT_EQ(EditText(Frame, IDC_RUNPROGRAM_EDIT_COMMAND), '"' + File + '"');
}

TEST(OpenFileFrameTest, BrowsingStartsFromTheTextAndPutsTheChoiceInUnquoted) {
  TFramesHost Host;
  TForm_ActionOpenFile Frame(Host.Context);
  Type(Frame, IDC_OPENFILE_EDIT_FILE, "C:\\Docs\\a.pdf");
  Host.FileDialogs.Answer("C:\\Docs\\my report.pdf");
  Click(Frame, IDC_OPENFILE_SB_SELECT);
  EXPECT_EQ(Host.FileDialogs.Shown[0].Options.FileName, "C:\\Docs\\a.pdf");
  EXPECT_EQ(Host.FileDialogs.Shown[0].Options.Filter, "Any file (*.*)|*.*");
  EXPECT_EQ(Host.Save(Frame, "OpenFile"), "FILENAME=C:\\Docs\\my report.pdf;");
  Frame.DropFiles({"C:\\x.txt"});
  EXPECT_EQ(Host.Save(Frame, "OpenFile"), "FILENAME=C:\\x.txt;");
}

TEST(CloseWindowFrameTest, MethodsMapToRadioButtonsAndTheListOffersTheWindows) {
  const std::pair<const char*, const char*> Cases[] = {{"METHOD=1;", "METHOD=1;"},
                                                       {"METHOD=2;", "METHOD=2;"},
                                                       {"METHOD=3;", "METHOD=3;"},
                                                       {"METHOD=0;", "METHOD=1;"},
                                                       {"METHOD=7;", "METHOD=1;"}};
  for (const auto& [Stored, Saved] : Cases) {
    TFramesHost Host;
    TForm_ActionCloseWindow Frame(Host.Context);
    Host.Load(Frame, "CloseWindow", Stored);
    EXPECT_EQ(Host.Save(Frame, "CloseWindow"), std::string("WINDOWTITLE=;") + Saved);
  }
  TFramesHost Host;
  Host.Machine.WindowList = {SimWindow(9, "Report.docx - Word")};
  TForm_ActionCloseWindow Frame(Host.Context);
  auto& Titles = Frame.Control<TComboControl>(IDC_CLOSEWINDOW_COMBO_TITLE);
  Titles.DropDown();
  EXPECT_EQ(Titles.Items(), std::vector<std::string>{"Report.docx - Word"});
}

TEST(KillProcessFrameTest, TheListIsRefilledEachTimeItOpens) {
  TFramesHost Host;
  Host.Machine.ProcessTable = {{10, "a.exe"}};
  TForm_ActionKillProcess Frame(Host.Context);
  auto& Names = Frame.Control<TComboControl>(IDC_KILLPROCESS_COMBO_NAME);
  Names.DropDown();
  Host.Machine.ProcessTable.push_back({11, "b.exe"});
  Names.DropDown();
  EXPECT_EQ(Names.Items(), (std::vector<std::string>{"a.exe", "b.exe"}));
  Names.UserSelect(1);
  EXPECT_EQ(Host.Save(Frame, "KillProcess"), "PROCESSNAME=b.exe;");
}

TEST(RunPresetFrameTest, WaitingIsOfferedOnlyForANewInstance) {
  TFramesHost Host;
  Host.Presets = {"Evening", "Night"};
  TForm_ActionRunPreset Frame(Host.Context);
  auto& Wait = Frame.Control<TCheckControl>(IDC_RUNPRESET_CHECK_WAIT);
  EXPECT_FALSE(Wait.Enabled());
  Click(Frame, IDC_RUNPRESET_CHECK_NEWINSTANCE);
  EXPECT_TRUE(Wait.Enabled());
  Click(Frame, IDC_RUNPRESET_CHECK_NEWINSTANCE);
  EXPECT_FALSE(Wait.Enabled());
  Host.Load(Frame, "RunPreset", "RUNINNEWINSTANCE=True;");
  EXPECT_TRUE(Wait.Enabled());
  Frame.Control<TCheckControl>(IDC_RUNPRESET_CHECK_NEWINSTANCE).SetChecked(false);
  Frame.VisibilityChanging(false);
  EXPECT_FALSE(Wait.Enabled()) << "brought up to date when shown";

  auto& Names = Frame.Control<TComboControl>(IDC_RUNPRESET_COMBO_NAME);
  Names.DropDown();
  EXPECT_EQ(Names.Items(), (std::vector<std::string>{"Evening", "Night"}));
  Names.UserSelect(1);
  Click(Frame, IDC_RUNPRESET_CHECK_NEWINSTANCE);
  auto Action = Host.Registry.CreateAction("RunPreset");
  EXPECT_TRUE(Action->Terminal());
  TPlannerItem Item(*Action);
  Frame.SaveToItem(Item);
  EXPECT_EQ(Action->GetConfigText(),
            "PRESETNAME=Night;RUNINNEWINSTANCE=True;WAITFORNEWINSTANCETOEXIT=False;");
  EXPECT_FALSE(Action->Terminal()) << "a new instance leaves the list going on";
}

// --- display and sound

TEST(MonitorFrameTest, OnlyActionTwoTurnsTheMonitorOn) {
  const std::pair<const char*, const char*> Cases[] = {
      {"ACTION=2;", "ACTION=2;"}, {"ACTION=1;", "ACTION=1;"}, {"ACTION=7;", "ACTION=1;"}};
  for (const auto& [Stored, Saved] : Cases) {
    TFramesHost Host;
    TForm_ActionMonitor Frame(Host.Context);
    Host.Load(Frame, "Monitor", Stored);
    EXPECT_EQ(Host.Save(Frame, "Monitor"), Saved) << Stored;
  }
}

TEST(VolumeFrameTest, MuteChecksMuteAndAnythingElseUnmute) {
  const std::pair<const char*, const char*> Cases[] = {
      {"MUTE=True;", "MUTE=True;"}, {"MUTE=False;", "MUTE=False;"}, {"MUTE=maybe;", "MUTE=False;"}};
  for (const auto& [Stored, Saved] : Cases) {
    TFramesHost Host;
    TForm_ActionVolume Frame(Host.Context);
    Host.Load(Frame, "Volume", Stored);
    EXPECT_EQ(Host.Save(Frame, "Volume"), Saved) << Stored;
  }
}

class ScreenSaverFrameTest : public ::testing::Test {
 protected:
  ScreenSaverFrameTest() {
    std::ofstream(System.Path() / "Mystify.scr") << "MZ";
    std::ofstream(System.Path() / "Notes.txt") << "x";
    Host.Display.SystemFolder = PathToUtf8(System.Path());
  }
  TComboControl& List() { return Frame.Control<TComboControl>(IDC_SCREENSAVER_COMBO_SCREENSAVERS); }
  TFrameControl& Configure() { return *Frame.FindControl(IDC_SCREENSAVER_SB_CONFIGURE); }

  TTempFolder System;
  TFramesHost Host;
  TForm_ActionScreenSaver Frame{Host.Context};
};

TEST_F(ScreenSaverFrameTest, TheListAndConfigureServeOnlyAnExistingCustomFile) {
  EXPECT_FALSE(List().Enabled());
  EXPECT_FALSE(Configure().Enabled());
  Click(Frame, IDC_SCREENSAVER_RB_USECUSTOM);
  EXPECT_TRUE(List().Enabled());
  EXPECT_FALSE(Configure().Enabled()) << "no file named yet";
  List().UserSetText(System.Text("Mystify.scr"));
  EXPECT_TRUE(Configure().Enabled());
  List().UserSetText(System.Text("Missing.scr"));
  EXPECT_FALSE(Configure().Enabled());
  List().UserSetText(System.Text("Mystify.scr"));
  std::filesystem::remove(System.Path() / "Mystify.scr");
  Frame.VisibilityChanging(false);
  EXPECT_FALSE(Configure().Enabled()) << "looked at again when shown";
  Click(Frame, IDC_SCREENSAVER_RB_USESYSTEM);
  EXPECT_FALSE(List().Enabled());
}

TEST_F(ScreenSaverFrameTest, TheDropDownListsTheSystemsScreenSaversAndKeepsTheText) {
  List().UserSetText("typed");
  List().DropDown();
  EXPECT_EQ(List().Items(), std::vector<std::string>{System.Text("Mystify.scr")});
  EXPECT_EQ(List().Text(), "typed");
}

TEST_F(ScreenSaverFrameTest, BrowsingAndConfiguring) {
  Host.FileDialogs.Answer(System.Text("Mystify.scr"));
  Click(Frame, IDC_SCREENSAVER_SB_BROWSE);
  EXPECT_EQ(Host.FileDialogs.Shown[0].Options.Filter, "Screen savers (*.scr)|*.scr");
  EXPECT_TRUE(IsChecked(Frame, IDC_SCREENSAVER_RB_USECUSTOM)) << "a chosen file is the custom one";
  EXPECT_EQ(List().Text(), System.Text("Mystify.scr"));
  Click(Frame, IDC_SCREENSAVER_SB_CONFIGURE);
  ASSERT_FALSE(Host.Machine.Calls.empty());
  EXPECT_EQ(Host.Machine.Calls.back(),
            "CreateProcessW " + QuoteParameter(System.Text("Mystify.scr")))
      << "no parameters, no waiting: the screen saver shows its settings";

  Host.Machine.OnLaunch = [](const TLaunchRequest&) { return TLaunchResult{false, 2, 0}; };
  Click(Frame, IDC_SCREENSAVER_SB_CONFIGURE);
  ASSERT_EQ(Host.UserInterface.Shown.size(), 1u);
  EXPECT_EQ(Host.UserInterface.Shown[0].Kind, dkError);
}

TEST_F(ScreenSaverFrameTest, OnlyScreenSaverFilesAreTakenWhenDropped) {
  Frame.DropFiles({"C:\\Savers\\Bubbles.SCR"});
  EXPECT_EQ(List().Text(), "C:\\Savers\\Bubbles.SCR");
  EXPECT_TRUE(IsChecked(Frame, IDC_SCREENSAVER_RB_USECUSTOM));
  Frame.DropFiles({"C:\\notes.txt"});
  EXPECT_EQ(List().Text(), "C:\\Savers\\Bubbles.SCR");
  ASSERT_EQ(Host.UserInterface.Shown.size(), 1u);
  EXPECT_EQ(Host.UserInterface.Shown[0].Text,
            "Dropped file is not a *.scr file!\r\n\r\nC:\\notes.txt");
  EXPECT_EQ(Host.UserInterface.Shown[0].Kind, dkWarning);
}

TEST(PlaySoundFrameTest, OnlyWaveFilesAreTakenAndTheFilterIsFixed) {
  TFramesHost Host;
  TForm_ActionPlaySound Frame(Host.Context);
  Frame.DropFiles({"C:\\Sounds\\Ding.WAV"});
  Frame.DropFiles({"C:\\Sounds\\song.mp3"});
  EXPECT_EQ(EditText(Frame, IDC_PLAYSOUND_EDIT_FILE), "C:\\Sounds\\Ding.WAV");
  ASSERT_EQ(Host.UserInterface.Shown.size(), 1u);
  EXPECT_EQ(Host.UserInterface.Shown[0].Text,
            "Dropped file is not a *.wav file!\r\n\r\nC:\\Sounds\\song.mp3");
  Host.FileDialogs.Answer("C:\\chime.wav");
  Click(Frame, IDC_PLAYSOUND_SB_SELECT);
  EXPECT_EQ(Host.FileDialogs.Shown[0].Options.Filter, "Audio files (*.wav)|*.wav");
  EXPECT_EQ(Host.FileDialogs.Shown[0].Options.FileName, "C:\\Sounds\\Ding.WAV");
  EXPECT_EQ(Host.Save(Frame, "PlaySound"), "FILE=C:\\chime.wav;WAIT=False;");
}

TEST(ScreenshotFrameTest, SchemesMapToRadioButtons) {
  const std::pair<const char*, int> Cases[] = {
      {"NAMINGSCHEMA=1;", 1}, {"NAMINGSCHEMA=2;", 2}, {"NAMINGSCHEMA=3;", 3}, {"", 1}};
  for (const auto& [Stored, Scheme] : Cases) {
    TFramesHost Host;
    TForm_ActionScreenshot Frame(Host.Context);
    Host.Load(Frame, "Screenshot", Stored);
    EXPECT_EQ(Host.Save(Frame, "Screenshot"), "NAMINGSCHEMA=" + std::to_string(Scheme) + ";PATH=;");
  }
}

TEST(ScreenshotFrameTest, BrowsingAsksForAFileOrAFolderByScheme) {
  TTempFolder Temp;
  TFramesHost Host;
  TForm_ActionScreenshot Frame(Host.Context);
  Type(Frame, IDC_SCREENSHOT_EDIT_PATH, Temp.Text());
  Click(Frame, IDC_SCREENSHOT_SB_BROWSE);
  Type(Frame, IDC_SCREENSHOT_EDIT_PATH, Temp.Text("shot.jpg"));
  Click(Frame, IDC_SCREENSHOT_SB_BROWSE);
  Type(Frame, IDC_SCREENSHOT_EDIT_PATH, "");
  Host.FileDialogs.Answer(Temp.Text("new.jpg"));
  Click(Frame, IDC_SCREENSHOT_SB_BROWSE);
  ASSERT_EQ(Host.FileDialogs.Shown.size(), 3u);
  for (const auto& Shown : Host.FileDialogs.Shown) {
    EXPECT_EQ(Shown.Kind, "save");
    EXPECT_EQ(Shown.Options.Filter, "*.jpg|*.jpg");
    EXPECT_EQ(Shown.Options.DefaultExt, "jpg");
  }
  EXPECT_EQ(Host.FileDialogs.Shown[0].Options.InitialDir, Temp.Text());
  EXPECT_EQ(Host.FileDialogs.Shown[0].Options.FileName, "");
  EXPECT_EQ(Host.FileDialogs.Shown[1].Options.FileName, Temp.Text("shot.jpg"));
  EXPECT_EQ(Host.FileDialogs.Shown[2].Options.InitialDir,
            PathToUtf8(std::filesystem::current_path()));
  EXPECT_EQ(EditText(Frame, IDC_SCREENSHOT_EDIT_PATH), Temp.Text("new.jpg"));

  Click(Frame, IDC_SCREENSHOT_RB_NUMERIC);
  Host.FileDialogs.Answer(PathToUtf8(Temp.Path()));
  Click(Frame, IDC_SCREENSHOT_SB_BROWSE);
  EXPECT_EQ(Host.FileDialogs.Shown[3].Kind, "directory");
  EXPECT_EQ(Host.FileDialogs.Shown[3].Options.Title, "Select a directory:");
  EXPECT_EQ(EditText(Frame, IDC_SCREENSHOT_EDIT_PATH), Temp.Text()) << "with a trailing delimiter";
}

TEST(ScreenshotFrameTest, OnlyAnExistingFolderIsTakenWhenDropped) {
  TTempFolder Temp;
  std::ofstream(Temp.Path() / "a.txt") << "x";
  TFramesHost Host;
  TForm_ActionScreenshot Frame(Host.Context);
  Frame.DropFiles({PathToUtf8(Temp.Path())});
  EXPECT_EQ(EditText(Frame, IDC_SCREENSHOT_EDIT_PATH), Temp.Text());
  Frame.DropFiles({Temp.Text("a.txt")});
  EXPECT_EQ(EditText(Frame, IDC_SCREENSHOT_EDIT_PATH), Temp.Text());
  ASSERT_EQ(Host.UserInterface.Shown.size(), 1u);
  EXPECT_EQ(Host.UserInterface.Shown[0].Text,
            "Dropped item is not a directory!\r\n\r\n" + Temp.Text("a.txt"));
}

TEST(FileExtensionTest, MatchesTheMaskIgnoringCase) {
  EXPECT_TRUE(HasExtension("a.scr", "scr"));
  EXPECT_TRUE(HasExtension("C:\\B.SCR", "scr"));
  EXPECT_TRUE(HasExtension(".scr", "scr"));
  EXPECT_FALSE(HasExtension("a.scrx", "scr"));
  EXPECT_FALSE(HasExtension("ascr", "scr"));
  EXPECT_FALSE(HasExtension("", "scr"));
}

}  // namespace
