// The command line of kolvane.exe: what runs before any window and what a preset does.

#include <gtest/gtest.h>

#include "app/uAutorun.h"
#include "platform/win32/uWin32Registry.h"
#include "platform/win32/uWin32Text.h"
#include "uKolvaneProcess.h"

namespace {

TEST(CommandLineTest, QuickActionsRunWithoutAWindowAndReportThroughTheExitCode) {
  TKolvaneCopy Copy;
  const std::pair<std::vector<std::wstring>, DWORD> Cases[] = {
      {{L"/action", L"hangup"}, 0},  // Wine lists no dial-up connections: nothing fails
      {{L"/action", L"NoSuchAction"}, 1},
      {{L"/action"}, 1},
  };
  for (const auto& [Arguments, Expected] : Cases) {
    TKolvaneProcess Kolvane(Copy, Arguments);
    EXPECT_EQ(Kolvane.WaitForExit(20000), Expected);
  }
  EXPECT_FALSE(std::filesystem::exists(Copy.Folder().Path() / "Presets"))
      << "nothing is saved when a quick action ends the process";
}

TEST(CommandLineTest, UninstallRemovesBothAutorunEntries) {
  TKolvaneCopy Copy;
  const std::string Program = WideToUtf8(Copy.Executable());
  TWin32Registry Registry;
  SetAutorun(Registry, Program, false, true);
  SetAutorun(Registry, Program, true, true);
  TKolvaneProcess Kolvane(Copy, {L"/uninstall"});
  EXPECT_EQ(Kolvane.WaitForExit(20000), 0u);
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, false));
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, true));
}

TEST(CommandLineTest, APresetNamedOnTheCommandLineLoadsAndStarts) {
  TKolvaneCopy Copy;
  // One second, then the Utilities action closes the program.
  Copy.WriteFile("Presets\\Quick.kpr",
                 "[General]\r\nLogic=1\r\n"
                 "[Event1]\r\nID=Countdown\r\nConfig=TIME=0:00:01;\r\n"
                 "[Action1]\r\nID=Utilities\r\nConfig=ACTION=1;PAUSESECONDS=0;\r\n");
  TKolvaneProcess Kolvane(Copy, {L"/preset", L"Quick"});
  EXPECT_EQ(Kolvane.WaitForExit(30000), 0u) << "the preset's countdown did not close the program";
}

TEST(CommandLineTest, AMissingPresetIsReportedAndTheProgramRunsOn) {
  TKolvaneCopy Copy;
  TKolvaneProcess Kolvane(Copy, {L"/preset", L"Nowhere"});
  HWND Warning = Kolvane.WaitForWindow(L"#32770", L"Kolvane", 20000);
  ASSERT_NE(Warning, nullptr);
  HWND Text = FindWindowExW(Warning, nullptr, L"Static", nullptr);
  std::wstring Shown;
  while (Text) {
    if (!WindowText(Text).empty())
      Shown = WindowText(Text);
    Text = FindWindowExW(Warning, Text, L"Static", nullptr);
  }
  EXPECT_EQ(Shown, L"Failed to load preset: Nowhere");
  PostMessageW(Warning, WM_COMMAND, IDOK, 0);
  HWND Window = Kolvane.WaitForMainWindow(20000);
  ASSERT_NE(Window, nullptr);
  PostMessageW(Window, WM_CLOSE, 0, 0);
  EXPECT_EQ(Kolvane.WaitForExit(20000), 0u);
}

}  // namespace
