// The message window for real: a worker thread plays the user while the test's thread sits in
// the window's modal loop.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "actions/messageform.h"
#include "actions/messageform_res.h"
#include "platform/win32/uWin32EventLoop.h"
#include "uDialogTestSupport.h"

namespace {

// Shows the window on this thread while User acts on it from another.
TMessageWindowResult ShowWhile(const TMessageWindowOptions& Options,
                               const std::function<void(HWND Dialog)>& User) {
  TWin32EventLoop Loop;
  std::thread Worker([&] {
    HWND Dialog = FindDialog(L"Message", 10000);
    ASSERT_NE(Dialog, nullptr) << "the message window did not appear";
    User(Dialog);
  });
  const TMessageWindowResult Result = Dialog_Message(Loop, Options);
  Worker.join();
  return Result;
}

TEST(MessageFormTest, ShowsTheMessageAndTheTimeAndClosesWhenItRunsOut) {
  TMessageWindowOptions Options;
  Options.Text = "Shutting down.\nSave your work.";
  Options.Seconds = 2;
  std::wstring Memo, TimeLeft;
  const ULONGLONG Started = GetTickCount64();
  const auto Result = ShowWhile(Options, [&](HWND Dialog) {
    Memo = TextOf(GetDlgItem(Dialog, IDC_MESSAGE_TEXT));
    TimeLeft = TextOf(GetDlgItem(Dialog, IDC_MESSAGE_TIMELEFT));
  });
  EXPECT_EQ(Result, mwrTimedOut);
  EXPECT_GE(GetTickCount64() - Started, 1800u);
  EXPECT_EQ(Memo, L"Shutting down.\r\nSave your work.");
  EXPECT_TRUE(TimeLeft == L"2 seconds" || TimeLeft == L"1 seconds")
      << std::string(TimeLeft.begin(), TimeLeft.end());
}

TEST(MessageFormTest, ButtonsCloseItWithTheirResults) {
  const std::pair<int, TMessageWindowResult> Cases[] = {
      {IDOK, mwrContinue},
      {IDC_MESSAGE_CANCEL, mwrCancel},
      {IDC_MESSAGE_RESTART, mwrRestart},
      {IDC_MESSAGE_EXIT, mwrExit},
  };
  for (const auto& [Button, Expected] : Cases) {
    TMessageWindowOptions Options;
    Options.Text = "Choose";
    Options.Seconds = 0;  // waits for a button
    EXPECT_EQ(ShowWhile(Options, [Button = Button](HWND Dialog) { Click(Dialog, Button); }),
              Expected);
  }
}

TEST(MessageFormTest, CloseBoxGoesOnAndEscapeCancelsOnlyWhenAllowed) {
  TMessageWindowOptions Options;
  Options.Seconds = 0;
  EXPECT_EQ(ShowWhile(Options, [](HWND Dialog) { PostMessageW(Dialog, WM_CLOSE, 0, 0); }),
            mwrTimedOut);
  EXPECT_EQ(ShowWhile(Options, [](HWND Dialog) { SendMessageW(Dialog, WM_COMMAND, IDCANCEL, 0); }),
            mwrCancel);

  Options.DisableCancel = true;
  Options.DisableExit = true;
  bool StillOpen = false, CancelEnabled = true, ExitEnabled = true, RestartEnabled = false;
  EXPECT_EQ(ShowWhile(Options,
                      [&](HWND Dialog) {
                        CancelEnabled = IsWindowEnabled(GetDlgItem(Dialog, IDC_MESSAGE_CANCEL));
                        ExitEnabled = IsWindowEnabled(GetDlgItem(Dialog, IDC_MESSAGE_EXIT));
                        RestartEnabled = IsWindowEnabled(GetDlgItem(Dialog, IDC_MESSAGE_RESTART));
                        SendMessageW(Dialog, WM_COMMAND, IDCANCEL, 0);
                        Sleep(200);
                        StillOpen = IsWindowVisible(Dialog);
                        Click(Dialog, IDOK);
                      }),
            mwrContinue);
  EXPECT_TRUE(StillOpen) << "Escape must not cancel when Cancel is disabled";
  EXPECT_FALSE(CancelEnabled);
  EXPECT_FALSE(ExitEnabled);
  EXPECT_TRUE(RestartEnabled);
}

TEST(MessageFormTest, StaysOnTopWhenAskedAndDisablesTheProgramsOtherWindows) {
  HWND Other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(Other, nullptr);
  TMessageWindowOptions Options;
  Options.Seconds = 0;
  Options.StayOnTop = true;
  bool Topmost = false, OtherEnabled = true;
  ShowWhile(Options, [&](HWND Dialog) {
    Topmost = (GetWindowLongPtrW(Dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    OtherEnabled = IsWindowEnabled(Other);
    Click(Dialog, IDOK);
  });
  EXPECT_TRUE(Topmost);
  EXPECT_FALSE(OtherEnabled);
  EXPECT_TRUE(IsWindowEnabled(Other)) << "enabled again once the message closed";
  DestroyWindow(Other);
}

TEST(MessageFormTest, TimersAndPostedMessagesGoOnWhileItIsOpen) {
  TWin32EventLoop Loop;
  int Ticks = 0;
  auto Timer = Loop.CreateTimer([&] { ++Ticks; });
  Timer->Arm(100);
  std::thread Worker([] {
    HWND Dialog = FindDialog(L"Message", 10000);
    ASSERT_NE(Dialog, nullptr);
    Sleep(700);
    PostMessageW(Dialog, WM_COMMAND, IDOK, 0);
  });
  TMessageWindowOptions Options;
  Options.Seconds = 0;
  EXPECT_EQ(Dialog_Message(Loop, Options), mwrContinue);
  Worker.join();
  EXPECT_GE(Ticks, 3);
}

}  // namespace
