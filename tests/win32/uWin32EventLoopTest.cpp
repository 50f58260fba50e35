#include "platform/win32/uWin32EventLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "core/uTimer.h"
#include "core/uWindowMessenger.h"

namespace {

// Runs the loop until Done says so or the deadline passes.
template <typename TPredicate>
bool PumpUntil(TWin32EventLoop& Loop, TPredicate Done, DWORD TimeoutMs) {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  while (!Done()) {
    if (GetTickCount64() > Deadline)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Loop.ProcessMessages();
  }
  return true;
}

TEST(Win32EventLoopTest, TimerFiresAtRoughlyItsInterval) {
  TWin32EventLoop Loop;
  TTimerEx Timer(Loop);
  int Ticks = 0;
  Timer.SetInterval(100);
  Timer.SetOnTimer([&] { ++Ticks; });
  const ULONGLONG Started = GetTickCount64();
  Timer.SetEnabled(true);
  EXPECT_GE(Timer.StartTick(), Started);
  ASSERT_TRUE(PumpUntil(
      Loop, [&] { return Ticks >= 3; }, 5000));
  const ULONGLONG Took = GetTickCount64() - Started;
  EXPECT_GE(Took, 250u);
  EXPECT_GE(Timer.Elapsed(), 250u);
  Timer.SetEnabled(false);
  const int TicksWhenDisabled = Ticks;
  PumpUntil(
      Loop, [] { return false; }, 300);
  EXPECT_EQ(Ticks, TicksWhenDisabled);
}

TEST(Win32EventLoopTest, MessagePostedFromAWorkerReachesTheCreatingThread) {
  TWin32EventLoop Loop;
  std::vector<WPARAM> Received;
  DWORD HandlerThread = 0;
  TWindowMessenger Messenger(Loop, [&](TWindowMessage& Message) {
    if (Message.Msg != WM_USER + 20)
      return;
    Received.push_back(Message.WParam);
    HandlerThread = GetCurrentThreadId();
    Message.Handled = true;
  });
  ASSERT_NE(Messenger.Handle(), 0u);

  std::atomic<bool> AllPosted = false;
  std::thread Worker([&] {
    for (WPARAM I = 0; I < 20; ++I)
      EXPECT_TRUE(Messenger.PostMessage(WM_USER + 20, I, 0));
    AllPosted = true;
  });
  Worker.join();
  ASSERT_TRUE(PumpUntil(
      Loop, [&] { return Received.size() == 20; }, 5000));
  EXPECT_EQ(HandlerThread, GetCurrentThreadId());
  for (WPARAM I = 0; I < 20; ++I)
    EXPECT_EQ(Received[I], I);
}

TEST(Win32EventLoopTest, MessengerWindowIsTopLevelAndHidden) {
  TWin32EventLoop Loop;
  TWindowMessenger Messenger(Loop, [](TWindowMessage&) {});
  HWND Window = reinterpret_cast<HWND>(Messenger.Handle());
  EXPECT_TRUE(IsWindow(Window));
  EXPECT_FALSE(IsWindowVisible(Window));
  EXPECT_EQ(GetAncestor(Window, GA_PARENT), GetDesktopWindow());
}

TEST(Win32EventLoopTest, PowerBroadcastReachesTheMessenger) {
  TWin32EventLoop Loop;
  int PowerMessages = 0;
  WPARAM Event = 0;
  TWindowMessenger Messenger(Loop, [&](TWindowMessage& Message) {
    if (Message.Msg != WM_POWERBROADCAST)
      return;
    ++PowerMessages;
    Event = Message.WParam;
    Message.Result = TRUE;
    Message.Handled = true;
  });
  DWORD_PTR Answer = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0,
                      SMTO_ABORTIFHUNG, 2000, &Answer);
  ASSERT_TRUE(PumpUntil(
      Loop, [&] { return PowerMessages > 0; }, 3000));
  EXPECT_EQ(Event, static_cast<WPARAM>(PBT_APMRESUMEAUTOMATIC));
}

TEST(Win32EventLoopTest, ErrorsInHandlersGoToTheExceptionHandler) {
  TWin32EventLoop Loop;
  std::string Reported;
  Loop.SetExceptionHandler([&](std::exception_ptr Error) {
    try {
      std::rethrow_exception(Error);
    } catch (const std::exception& E) {
      Reported = E.what();
    }
  });
  TWindowMessenger Messenger(Loop, [](TWindowMessage& Message) {
    if (Message.Msg == WM_USER + 1)
      throw EKoException("handler failed");
  });
  ASSERT_TRUE(Messenger.PostMessage(WM_USER + 1, 0, 0));
  ASSERT_TRUE(PumpUntil(
      Loop, [&] { return !Reported.empty(); }, 3000));
  EXPECT_EQ(Reported, "handler failed");
}

}  // namespace
