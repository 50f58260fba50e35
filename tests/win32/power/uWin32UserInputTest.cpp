// The system's last-input time and the program's own low-level hooks, fed with SendInput.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "events/uEventUserInactive.h"
#include "events/uInputActivity.h"
#include "events/uTimerInactivity.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32UserInput.h"
#include "uWin32TestInput.h"

namespace {

class Win32UserInputTest : public ::testing::Test {
 protected:
  TWin32EventLoop Loop;
  TWin32UserInput Input;
  TKoServices Services = [this] {
    TKoServices S{Loop};
    S.UserInput = &Input;
    return S;
  }();
};

TEST_F(Win32UserInputTest, LastInputTimeMovesWithSendInput) {
  const auto Before = Input.LastInputTick();
  ASSERT_TRUE(Before) << "GetLastInputInfo is bound and answers";
  Sleep(100);
  SendMouseNudge();
  const auto After = Input.LastInputTick();
  ASSERT_TRUE(After);
  EXPECT_GE(*After - *Before, 100u);
  EXPECT_LT(GetTickCount() - *After, 1000u) << "the last input is the one just sent";
}

TEST_F(Win32UserInputTest, LowLevelHooksSeeInputSentFromAnotherThreadOnTheInstallingThread) {
  TInputActivityMonitor Monitor(&Input);
  std::vector<TInputHookKind> Seen;
  bool OnThisThread = true;
  const DWORD ThisThread = GetCurrentThreadId();
  Monitor.OnActivity = [&](TInputActivityMonitor&, TInputHookKind Kind) {
    Seen.push_back(Kind);
    OnThisThread = OnThisThread && GetCurrentThreadId() == ThisThread;
  };
  Monitor.SetActive(true);

  std::atomic<bool> Sent = false;
  std::thread Sender([&] {
    SendHarmlessKey();
    SendMouseNudge();
    Sent = true;
  });
  const auto SawBoth = [&] {
    return std::count(Seen.begin(), Seen.end(), TInputHookKind::Keyboard) >= 2 &&
           std::count(Seen.begin(), Seen.end(), TInputHookKind::Mouse) >= 2;
  };
  const bool Delivered = PumpUntil([&] { return Sent && SawBoth(); }, 10000);
  Sender.join();
  EXPECT_TRUE(Delivered) << "key down and up, two mouse moves";
  EXPECT_TRUE(OnThisThread);

  Monitor.SetActive(false);
  Seen.clear();
  SendMouseNudge();
  PumpUntil([] { return false; }, 200);
  EXPECT_TRUE(Seen.empty()) << "the hooks are gone";
}

TEST_F(Win32UserInputTest, EachMeasurementRestartsOnInputFromAnotherThread) {
  for (int Method : {uaeLastInputInfo, uaeLowLevelHook, uaeInjectionHook}) {
    TTimerInactivity Measurement(Services, static_cast<std::uint8_t>(Method));
    PumpUntil([] { return false; }, 1100);
    EXPECT_GE(Measurement.InactiveSeconds(), 1u) << Method;
    std::thread Sender([] { SendHarmlessKey(); });
    const bool Reset = PumpUntil([&] { return Measurement.InactiveSeconds() == 0; }, 5000);
    Sender.join();
    EXPECT_TRUE(Reset) << Method;
  }
}

TEST_F(Win32UserInputTest, UserInactiveEventWithHooksOnTheRealLoop) {
  auto Event = TKoEventObject::Create<TKoEventUserInactive>(Services);
  // Two seconds, so that the tick after an input surely reads less.
  Event->SetConfigText("TIME=0:00:02;METHOD=1;");
  Event->Start();
  ASSERT_TRUE(PumpUntil([&] { return Event->Triggered(); }, 5000));
  EXPECT_NE(Event->GetStatusText(), "Inactive for 0:00:00");

  // A second hook measurement in the process is refused while this one runs.
  auto Second = TKoEventObject::Create<TKoEventUserInactive>(Services);
  Second->SetConfigText("METHOD=1;");
  EXPECT_THROW(Second->Start(), EKoException);

  std::thread Sender([] { SendMouseNudge(); });
  const bool Untriggered = PumpUntil([&] { return !Event->Triggered(); }, 5000);
  Sender.join();
  EXPECT_TRUE(Untriggered);
  Event->Stop();
}

}  // namespace
