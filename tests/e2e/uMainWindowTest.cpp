// kolvane.exe started as a user starts it.

#include <gtest/gtest.h>

#include <fstream>

#include "uKolvaneProcess.h"

namespace {

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

}  // namespace
