// kolvane.exe started as a user starts it.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "app/mainform_res.h"
#include "uKolvaneProcess.h"

#include <commctrl.h>

namespace {

// Waits until Condition holds; false after the time.
bool WaitUntil(const std::function<bool()>& Condition, DWORD TimeoutMs) {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  while (!Condition()) {
    if (GetTickCount64() >= Deadline)
      return false;
    Sleep(50);
  }
  return true;
}

std::string ReadAll(const std::filesystem::path& File) {
  std::ifstream Stream(File, std::ios::binary);
  std::ostringstream Text;
  Text << Stream.rdbuf();
  return Text.str();
}

int ColumnWidth(HWND List, int Column) {
  return static_cast<int>(SendMessageW(List, LVM_GETCOLUMNWIDTH, Column, 0));
}

TEST(MainWindowTest, StartsWithItsWindowAndEndsCleanlyWhenClosed) {
  TKolvaneCopy Copy;
  TKolvaneProcess Kolvane(Copy);
  ASSERT_TRUE(Kolvane.Started());
  HWND Window = Kolvane.WaitForMainWindow(20000);
  ASSERT_NE(Window, nullptr) << "no visible window titled Kolvane appeared";

  PostMessageW(Window, WM_CLOSE, 0, 0);
  EXPECT_EQ(Kolvane.WaitForExit(20000), 0u) << "kolvane.exe did not end cleanly after WM_CLOSE";

  // At exit it wrote its settings and kept the lists as the default preset.
  EXPECT_TRUE(std::filesystem::is_regular_file(Copy.Folder().Path() / "Settings.ini"));
  EXPECT_TRUE(std::filesystem::is_regular_file(Copy.Folder().Path() / "Presets" / "[default].kpr"));
  std::ifstream Log(Copy.Folder().Path() / "Migration.log");
  std::string FirstLine;
  std::getline(Log, FirstLine);
  EXPECT_EQ(FirstLine.rfind("Migration initiated at ", 0), 0u) << FirstLine;
}

TEST(MainWindowTest, ASecondInstanceWakesTheFirstAndLeavesWhenOnlyOneIsAllowed) {
  TKolvaneCopy Copy;
  Copy.WriteFile("Settings.ini", "[General]\r\nAppOnlyOneInstance=1\r\n");
  TKolvaneProcess First(Copy);
  HWND FirstWindow = First.WaitForMainWindow(20000);
  ASSERT_NE(FirstWindow, nullptr);
  ShowWindow(FirstWindow, SW_HIDE);

  TKolvaneProcess Second(Copy);
  HWND Notice = Second.WaitForWindow(L"#32770", L"Kolvane", 20000);
  ASSERT_NE(Notice, nullptr) << "the second instance did not explain itself";
  PostMessageW(Notice, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(Second.WaitForExit(20000), 0u);
  EXPECT_EQ(Second.WaitForMainWindow(0), nullptr);
  EXPECT_NE(First.WaitForMainWindow(10000), nullptr) << "the first instance showed itself again";

  PostMessageW(FirstWindow, WM_CLOSE, 0, 0);
  EXPECT_EQ(First.WaitForExit(20000), 0u);
}

TEST(MainWindowTest, ShowsTheDefaultPresetAndRunsItFromTheKeyboardCommands) {
  TKolvaneCopy Copy;
  Copy.WriteFile("Settings.ini", "[Positions]\r\nEventsListColumnWidths=120|x|90|\r\n");
  Copy.WriteFile("Presets\\[default].kpr",
                 "[General]\r\nLogic=2\r\n"
                 "[Event1]\r\nID=Countdown\r\nConfig=TIME=1:00:00;\r\n"
                 "[Event2]\r\nID=Countdown\r\nConfig=TIME=2:00:00;\r\n"
                 "[Action1]\r\nID=Utilities\r\nConfig=ACTION=1;PAUSESECONDS=0;\r\n");
  TKolvaneProcess Kolvane(Copy);
  HWND Window = Kolvane.WaitForMainWindow(20000);
  ASSERT_NE(Window, nullptr);
  HWND Events = GetDlgItem(Window, IDC_EVENTS);
  HWND Actions = GetDlgItem(Window, IDC_ACTIONS);
  HWND Status = GetDlgItem(Window, IDC_STATUSBAR);

  ASSERT_EQ(SendMessageW(Events, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(Actions, LVM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(Kolvane.ListViewText(Events, 0, 0), L"Countdown");
  EXPECT_EQ(Kolvane.ListViewText(Events, 1, 1), L"Wait 2:00:00");
  EXPECT_EQ(SendMessageW(GetDlgItem(Window, IDC_LOGIC), CB_GETCURSEL, 0, 0), 2) << "OR";
  EXPECT_EQ(Kolvane.StatusBarText(Status, 2), L"Ready");
  // "120|x|90|": the piece that is not a number is skipped and 90 moves up.
  EXPECT_EQ(ColumnWidth(Events, 0), 120);
  EXPECT_EQ(ColumnWidth(Events, 1), 90);
  EXPECT_EQ(ColumnWidth(Events, 2), 170);

  PostMessageW(Window, WM_COMMAND, CMD_START, 0);
  EXPECT_TRUE(
      WaitUntil([&] { return Kolvane.StatusBarText(Status, 2) == L"Running for 0:00:01"; }, 10000))
      << "status: " << testing::PrintToString(Kolvane.StatusBarText(Status, 2));
  EXPECT_EQ(Kolvane.ListViewText(Events, 0, 2).rfind(L"Time left: 0:59:5", 0), 0u)
      << testing::PrintToString(Kolvane.ListViewText(Events, 0, 2));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Window, IDC_EVENTS_TOOLBAR)))
      << "the lists cannot change while the planner runs";

  PostMessageW(Window, WM_COMMAND, CMD_STOP, 0);
  EXPECT_TRUE(WaitUntil([&] { return Kolvane.StatusBarText(Status, 2) == L"Stopped"; }, 10000));
  EXPECT_EQ(Kolvane.ListViewText(Events, 0, 2), L"") << "event statuses show only while running";
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Window, IDC_EVENTS_TOOLBAR)));

  // Remove removes the selected row only; then leave.
  SendMessageW(Window, WM_COMMAND, CMD_EVENT_REMOVE, 0);
  EXPECT_EQ(SendMessageW(Events, LVM_GETITEMCOUNT, 0, 0), 2) << "nothing was selected";
  ASSERT_TRUE(Kolvane.SelectListViewRow(Events, 0));
  PostMessageW(Window, WM_COMMAND, CMD_EVENT_REMOVE, 0);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(Events, LVM_GETITEMCOUNT, 0, 0) == 1; }, 5000));
  PostMessageW(Window, WM_CLOSE, 0, 0);
  ASSERT_EQ(Kolvane.WaitForExit(20000), 0u);

  const std::string Settings = ReadAll(Copy.Folder().Path() / "Settings.ini");
  EXPECT_NE(Settings.find("EventsListColumnWidths=120|90|170|"), std::string::npos) << Settings;
  const std::string Preset = ReadAll(Copy.Folder().Path() / "Presets" / "[default].kpr");
  EXPECT_NE(Preset.find("TIME=2:00:00"), std::string::npos) << Preset;
  EXPECT_EQ(Preset.find("TIME=1:00:00"), std::string::npos) << "the removed event stays removed";
}

TEST(MainWindowTest, AnEventAddedInTheEditorBecomesARowAndThePanelGoes) {
  TKolvaneCopy Copy;
  TKolvaneProcess Kolvane(Copy);
  HWND Window = Kolvane.WaitForMainWindow(20000);
  ASSERT_NE(Window, nullptr);
  HWND Events = GetDlgItem(Window, IDC_EVENTS);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(Window, IDC_ADD_EVENT_PANEL)));

  PostMessageW(Window, WM_COMMAND, CMD_ADD_EVENT, 0);
  HWND Editor = Kolvane.WaitForWindow(L"#32770", L"Add Event", 20000);
  ASSERT_NE(Editor, nullptr) << "F2 did not open the editor";
  // The first kind, Countdown, is chosen with its default of ten minutes.
  PostMessageW(Editor, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(Events, LVM_GETITEMCOUNT, 0, 0) == 1; }, 10000));
  EXPECT_EQ(Kolvane.ListViewText(Events, 0, 0), L"Countdown");
  EXPECT_EQ(Kolvane.ListViewText(Events, 0, 1), L"Wait 0:10:00");
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(Window, IDC_ADD_EVENT_PANEL)));

  PostMessageW(Window, WM_CLOSE, 0, 0);
  EXPECT_EQ(Kolvane.WaitForExit(20000), 0u);
}

TEST(MainWindowTest, ClosingHidesToTheTrayWhenAskedAndExitEndsTheProgram) {
  TKolvaneCopy Copy;
  Copy.WriteFile("Settings.ini", "[General]\r\nMinimizeOnCloseClick=1\r\n");
  TKolvaneProcess Kolvane(Copy);
  HWND Window = Kolvane.WaitForMainWindow(20000);
  ASSERT_NE(Window, nullptr);

  PostMessageW(Window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(Window); }, 5000));
  EXPECT_FALSE(Kolvane.WaitForExit(500)) << "closing only hid the window";

  PostMessageW(Window, WM_COMMAND, CMD_RESTORE_HIDE, 0);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(Window) != FALSE; }, 5000));
  ShowWindow(Window, SW_MINIMIZE);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(Window); }, 5000))
      << "minimising goes to the tray";

  PostMessageW(Window, WM_COMMAND, CMD_EXIT, 0);
  EXPECT_EQ(Kolvane.WaitForExit(20000), 0u);
}

}  // namespace
