// The power monitor's hidden window receiving WM_POWERBROADCAST for real, and the power status.
// The broadcasts are synthetic and go to the test's own windows only: nothing here suspends the
// machine.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <thread>
#include <vector>

#include "core/uPlanner.h"
#include "events/uEventCountdown.h"
#include "events/uPowerNotify.h"
#include "events/uPowerStatus.h"
#include "events/uSleepWake.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32PowerSystem.h"
#include "platform/win32/uWin32SystemVersion.h"
#include "uWin32TestInput.h"

static_assert(kWmPowerBroadcast == WM_POWERBROADCAST);
static_assert(kPbtApmSuspend == PBT_APMSUSPEND && kPbtApmStandby == PBT_APMSTANDBY);
static_assert(kPbtApmResumeStandby == PBT_APMRESUMESTANDBY);
static_assert(kPbtApmResumeAutomatic == PBT_APMRESUMEAUTOMATIC);
static_assert(kPbtPowerSettingChange == PBT_POWERSETTINGCHANGE);
static_assert(offsetof(POWERBROADCAST_SETTING, PowerSetting) == kPowerSettingGuidOffset);
static_assert(offsetof(POWERBROADCAST_SETTING, DataLength) == kPowerSettingDataLengthOffset);
static_assert(offsetof(POWERBROADCAST_SETTING, Data) == kPowerSettingDataOffset);

namespace {

// A POWERBROADCAST_SETTING with room for a 4-byte value, as the system sends the lid state.
struct TSettingMessage {
  POWERBROADCAST_SETTING Setting;
  BYTE Rest[3];
};

TSettingMessage SettingMessage(const GUID& Setting, DWORD DataLength, DWORD Value) {
  TSettingMessage Message{};
  Message.Setting.PowerSetting = Setting;
  Message.Setting.DataLength = DataLength;
  std::memcpy(Message.Setting.Data, &Value, sizeof Value);
  return Message;
}

class Win32PowerTest : public ::testing::Test {
 protected:
  LRESULT Send(WPARAM Event, const void* Payload = nullptr) {
    return SendMessageW(reinterpret_cast<HWND>(Monitor.WindowHandle()), WM_POWERBROADCAST, Event,
                        reinterpret_cast<LPARAM>(Payload));
  }

  TWin32EventLoop Loop;
  TWin32SystemVersion Version;
  TWin32PowerSystem Power;
  TKoServices Services = [this] {
    TKoServices S{Loop};
    S.SystemVersion = &Version;
    S.PowerSystem = &Power;
    return S;
  }();
  TPowerEventMonitor Monitor{Services};
  std::vector<TPowerEventKind> Kinds;
};

TEST_F(Win32PowerTest, TheLidSettingIsTheOneTheMonitorLooksFor) {
  TGuid Registered;
  Registered.Data1 = GUID_LIDSWITCH_STATE_CHANGE.Data1;
  Registered.Data2 = GUID_LIDSWITCH_STATE_CHANGE.Data2;
  Registered.Data3 = GUID_LIDSWITCH_STATE_CHANGE.Data3;
  std::memcpy(Registered.Data4.data(), GUID_LIDSWITCH_STATE_CHANGE.Data4, 8);
  EXPECT_EQ(Registered, kLidSwitchStateChange);
}

TEST_F(Win32PowerTest, BroadcastsToTheMonitorsWindowReachItsHandlerAndAreAnsweredTrue) {
  Monitor.OnNotify = [&](TPowerEventMonitor&, TPowerEventKind Kind) { Kinds.push_back(Kind); };
  Monitor.Start(pmfSuspendResume | pmfLid);
  ASSERT_TRUE(Monitor.Active());
  HWND Window = reinterpret_cast<HWND>(Monitor.WindowHandle());
  ASSERT_TRUE(IsWindow(Window));
  EXPECT_EQ(GetAncestor(Window, GA_PARENT), GetDesktopWindow())
      << "top-level, so broadcasts reach it";
  EXPECT_NE(Monitor.NotificationHandle(), 0u) << "registered for the lid";

  EXPECT_EQ(Send(PBT_APMSUSPEND), TRUE);
  EXPECT_EQ(Send(PBT_APMRESUMEAUTOMATIC), TRUE);
  EXPECT_EQ(Send(PBT_APMQUERYSUSPEND), TRUE) << "a query to suspend is granted";

  const GUID OtherSetting = {
      0x5D3E9A59, 0xE9D5, 0x4B00, {0xA6, 0xBD, 0xFF, 0x34, 0xFF, 0x51, 0x65, 0x48}};
  const TSettingMessage Closed = SettingMessage(GUID_LIDSWITCH_STATE_CHANGE, 4, 0);
  const TSettingMessage Opened = SettingMessage(GUID_LIDSWITCH_STATE_CHANGE, 4, 1);
  const TSettingMessage Empty = SettingMessage(GUID_LIDSWITCH_STATE_CHANGE, 0, 0);
  const TSettingMessage Other = SettingMessage(OtherSetting, 4, 0);
  EXPECT_EQ(Send(PBT_POWERSETTINGCHANGE, &Closed), TRUE);
  EXPECT_EQ(Send(PBT_POWERSETTINGCHANGE, &Empty), TRUE);
  EXPECT_EQ(Send(PBT_POWERSETTINGCHANGE, &Other), TRUE);
  EXPECT_EQ(Send(PBT_POWERSETTINGCHANGE, nullptr), TRUE);
  EXPECT_EQ(Send(PBT_POWERSETTINGCHANGE, &Opened), TRUE);
  EXPECT_EQ(Kinds,
            (std::vector<TPowerEventKind>{pekSuspend, pekResume, pekLidClosed, pekLidOpened}));

  Monitor.Stop();
  EXPECT_EQ(Monitor.NotificationHandle(), 0u);
  EXPECT_FALSE(IsWindow(Window));
}

TEST_F(Win32PowerTest, BroadcastFromAnotherThreadIsHandledOnTheMonitorsThread) {
  const DWORD ThisThread = GetCurrentThreadId();
  DWORD HandlerThread = 0;
  Monitor.OnNotify = [&](TPowerEventMonitor&, TPowerEventKind Kind) {
    Kinds.push_back(Kind);
    HandlerThread = GetCurrentThreadId();
  };
  Monitor.Start(pmfSuspendResume);
  DWORD_PTR Answer = 0;
  std::thread System([&] {
    SendMessageTimeoutW(reinterpret_cast<HWND>(Monitor.WindowHandle()), WM_POWERBROADCAST,
                        PBT_APMRESUMESTANDBY, 0, SMTO_ABORTIFHUNG, 5000, &Answer);
  });
  const bool Received = PumpUntil([&] { return !Kinds.empty(); }, 5000);
  System.join();
  ASSERT_TRUE(Received);
  EXPECT_EQ(Kinds, std::vector<TPowerEventKind>{pekResume});
  EXPECT_EQ(HandlerThread, ThisThread);
  EXPECT_EQ(Answer, static_cast<DWORD_PTR>(TRUE));
}

TEST_F(Win32PowerTest, SleepAndWakeUpPauseAndRestartThePlanner) {
  TKoPlanner Planner(Loop);
  int Starts = 0;
  Planner.OnStarted = [&] { ++Starts; };
  Planner.OnPrepare = [&] {
    Planner.Clear();
    TKoEvents Events;
    auto Countdown = TKoEventObject::Create<TKoEventCountdown>(Services);
    Events.push_back(std::move(Countdown));
    Planner.SetEvents(std::move(Events));
  };
  const TSleepWakeSettings Settings{true, true, true};
  Monitor.OnNotify = [&](TPowerEventMonitor&, TPowerEventKind Kind) {
    ApplyPowerEventToPlanner(Planner, Kind, Settings);
  };
  Monitor.Start(pmfSuspendResume);
  Planner.Start();
  ASSERT_TRUE(Planner.IsRunning());
  Send(PBT_APMSUSPEND);
  EXPECT_FALSE(Planner.IsRunning());
  EXPECT_TRUE(Planner.PausedBySuspend());
  Send(PBT_APMRESUMEAUTOMATIC);
  EXPECT_TRUE(Planner.IsRunning());
  EXPECT_EQ(Starts, 2);
  Planner.Stop();
}

TEST_F(Win32PowerTest, PowerStatusReads) {
  const auto Status = Power.ReadPowerStatus();
  ASSERT_TRUE(Status);
  const int Percent = GetBatteryPercent(&Power);
  EXPECT_TRUE(Percent == -1 || (Percent >= 0 && Percent <= 100));
  EXPECT_EQ(IsOnBatteryPower(&Power), Status->ACLineStatus == 0);
  if (RunningUnderWine()) {
    // Wine reports a machine on the mains without a battery.
    EXPECT_EQ(Status->ACLineStatus, 1);
    EXPECT_TRUE(Status->BatteryFlag & 128);
    EXPECT_EQ(Percent, -1);
  }
}

}  // namespace
