#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/uPlanner.h"
#include "events/uEventBattery.h"
#include "events/uEventLid.h"
#include "events/uPowerNotify.h"
#include "events/uPowerStatus.h"
#include "platform/sim/uSimEventLoop.h"
#include "platform/sim/uSimMachine.h"
#include "platform/sim/uSimPowerSystem.h"

namespace {

// A POWERBROADCAST_SETTING as the system lays it out: GUID, data length, data.
class TPowerSettingPayload {
 public:
  TPowerSettingPayload(const TGuid& Setting, std::uint32_t DataLength,
                       std::vector<std::uint8_t> Data) {
    FBytes.resize(kPowerSettingDataOffset + std::max<std::size_t>(Data.size(), 4));
    std::memcpy(FBytes.data(), &Setting.Data1, 4);
    std::memcpy(FBytes.data() + 4, &Setting.Data2, 2);
    std::memcpy(FBytes.data() + 6, &Setting.Data3, 2);
    std::memcpy(FBytes.data() + 8, Setting.Data4.data(), 8);
    std::memcpy(FBytes.data() + kPowerSettingDataLengthOffset, &DataLength, 4);
    std::copy(Data.begin(), Data.end(), FBytes.begin() + kPowerSettingDataOffset);
  }
  // The lid state as the system sends it: a 4-byte value.
  static TPowerSettingPayload Lid(std::uint32_t State) {
    std::vector<std::uint8_t> Data(4);
    std::memcpy(Data.data(), &State, 4);
    return TPowerSettingPayload(kLidSwitchStateChange, 4, Data);
  }
  std::intptr_t LParam() const { return reinterpret_cast<std::intptr_t>(FBytes.data()); }

 private:
  std::vector<std::uint8_t> FBytes;
};

class PowerEventsTest : public ::testing::Test {
 protected:
  TKoServices MakeServices() {
    TKoServices S{Loop};
    S.SystemVersion = &Machine;
    S.PowerSystem = &Power;
    return S;
  }
  void Broadcast(std::uintptr_t Event, std::intptr_t LParam = 0) {
    Loop.Broadcast(kWmPowerBroadcast, Event, LParam);
  }
  void SendLid(std::uint32_t State) {
    Broadcast(kPbtPowerSettingChange, TPowerSettingPayload::Lid(State).LParam());
  }

  TSimEventLoop Loop;
  TSimMachine Machine;
  TSimPowerSystem Power;
  TKoServices Services = MakeServices();
};

// --- Power status helpers ---------------------------------------------------------------------

TEST_F(PowerEventsTest, BatteryPercentAndPowerSourceFromTheSystemStatus) {
  struct TCase {
    std::optional<TSystemPowerStatus> Status;
    int Percent;
    bool OnBattery;
  } Cases[] = {
      {std::nullopt, -1, false},  // unreadable: unknown, counts as external power
      {TSystemPowerStatus{1, 128, 255}, -1, false},  // a desktop without battery
      {TSystemPowerStatus{1, 128, 100}, -1, false},  // no battery, whatever percentage it claims
      {TSystemPowerStatus{0, 0, 42}, 42, true},
      {TSystemPowerStatus{1, 8, 100}, 100, false},  // charging
      {TSystemPowerStatus{0, 2, 0}, 0, true},
      {TSystemPowerStatus{255, 255, 30}, 30, false},  // status unknown, percentage known
      {TSystemPowerStatus{0, 1, 255}, -1, true},      // percentage unknown
      {TSystemPowerStatus{0, 1, 150}, -1, true},      // no percentage either
  };
  for (const auto& Case : Cases) {
    Power.Status = Case.Status;
    EXPECT_EQ(GetBatteryPercent(&Power), Case.Percent);
    EXPECT_EQ(IsOnBatteryPower(&Power), Case.OnBattery);
  }
  EXPECT_EQ(GetBatteryPercent(nullptr), -1);
  EXPECT_FALSE(IsOnBatteryPower(nullptr));
}

// --- Battery ------------------------------------------------------------------------------------

TEST_F(PowerEventsTest, BatterySettingsDefaultsLegacyKeysAndDescriptions) {
  auto Battery = TKoEventObject::Create<TKoEventBattery>(Services);
  EXPECT_EQ(Battery->ID(), "Battery");
  EXPECT_EQ(Battery->Name(), "Battery");
  EXPECT_EQ(Battery->GetConfigText(),
            "CHECKBATTERYLEVEL=True;BATTERYLEVELBELOW=True;BATTERYLEVELPERCENTAGE=5;"
            "CHECKPOWERSUPPLYSTATE=True;POWERSUPPLYSTATEONLINE=False;");
  EXPECT_EQ(Battery->GetDescription(), "Level below 5%, Power supply offline");

  struct TCase {
    const char* Config;
    const char* Description;
  } Cases[] = {
      {"PERCENTAGE=10;OFFLINEONLY=True;", "Level below 10%, Power supply offline"},
      {"PERCENTAGE=10;OFFLINEONLY=False;CHECKPOWERSUPPLYSTATE=True;POWERSUPPLYSTATEONLINE=True;",
       "Level below 10%"},
      {"CHECKBATTERYLEVEL=True;BATTERYLEVELBELOW=False;BATTERYLEVELPERCENTAGE=80;",
       "Level above 80%"},
      {"CHECKPOWERSUPPLYSTATE=True;POWERSUPPLYSTATEONLINE=True;", "Power supply online"},
      {"CHECKBATTERYLEVEL=False;CHECKPOWERSUPPLYSTATE=False;", ""},
  };
  for (const auto& Case : Cases) {
    Battery->SetConfigText(Case.Config);
    EXPECT_EQ(Battery->GetDescription(), Case.Description) << Case.Config;
  }
  Battery->SetConfigText("PERCENTAGE=10;OFFLINEONLY=True;");
  EXPECT_EQ(Battery->GetConfigText(),
            "CHECKBATTERYLEVEL=True;BATTERYLEVELBELOW=True;BATTERYLEVELPERCENTAGE=10;"
            "CHECKPOWERSUPPLYSTATE=True;POWERSUPPLYSTATEONLINE=False;")
      << "older settings are written back in the new keys";
}

TEST_F(PowerEventsTest, BatteryConditionAfterEachMeasurement) {
  struct TCase {
    const char* Config;
    std::optional<TSystemPowerStatus> Status;
    bool Triggered;
  } Cases[] = {
      // Level only, below 5 %.
      {"CHECKBATTERYLEVEL=True;BATTERYLEVELBELOW=True;BATTERYLEVELPERCENTAGE=5;",
       TSystemPowerStatus{1, 0, 5}, false},
      {"CHECKBATTERYLEVEL=True;BATTERYLEVELBELOW=True;BATTERYLEVELPERCENTAGE=5;",
       TSystemPowerStatus{1, 0, 4}, true},
      {"CHECKBATTERYLEVEL=True;BATTERYLEVELBELOW=False;BATTERYLEVELPERCENTAGE=80;",
       TSystemPowerStatus{1, 0, 80}, false},
      {"CHECKBATTERYLEVEL=True;BATTERYLEVELBELOW=False;BATTERYLEVELPERCENTAGE=80;",
       TSystemPowerStatus{1, 0, 81}, true},
      // A desktop never satisfies a level, but may satisfy the power supply alone.
      {"CHECKBATTERYLEVEL=True;BATTERYLEVELBELOW=False;BATTERYLEVELPERCENTAGE=0;",
       TSystemPowerStatus{1, 128, 255}, false},
      {"CHECKPOWERSUPPLYSTATE=True;POWERSUPPLYSTATEONLINE=True;", TSystemPowerStatus{1, 128, 255},
       true},
      {"CHECKPOWERSUPPLYSTATE=True;POWERSUPPLYSTATEONLINE=True;", std::nullopt, true},
      {"CHECKPOWERSUPPLYSTATE=True;POWERSUPPLYSTATEONLINE=False;", TSystemPowerStatus{0, 0, 50},
       true},
      {"CHECKPOWERSUPPLYSTATE=True;POWERSUPPLYSTATEONLINE=False;", TSystemPowerStatus{255, 0, 50},
       false},
      // The defaults: below 5 % and on battery, both needed.
      {"", TSystemPowerStatus{1, 0, 4}, false},
      {"", TSystemPowerStatus{0, 0, 4}, true},
      {"", TSystemPowerStatus{0, 0, 6}, false},
      // Nothing checked is never triggered.
      {"CHECKBATTERYLEVEL=False;CHECKPOWERSUPPLYSTATE=False;", TSystemPowerStatus{0, 0, 1}, false},
  };
  for (const auto& Case : Cases) {
    auto Battery = TKoEventObject::Create<TKoEventBattery>(Services);
    if (*Case.Config)
      Battery->SetConfigText(Case.Config);
    Power.Status = Case.Status;
    Battery->Start();
    Loop.Advance(5000);
    EXPECT_TRUE(Battery->Measured());
    EXPECT_EQ(Battery->Triggered(), Case.Triggered) << Case.Config;
  }
}

TEST_F(PowerEventsTest, BatteryMeasuresEveryFiveSecondsAndShowsWhatItMeasured) {
  auto Battery = TKoEventObject::Create<TKoEventBattery>(Services);
  int Changes = 0;
  Battery->OnTriggeredChange = [&](TKoEventObject&) { ++Changes; };
  Power.SetLaptop(4, false);
  Battery->Start();
  Loop.Advance(4999);
  EXPECT_FALSE(Battery->Measured()) << "the first measurement comes 5 seconds after the start";
  EXPECT_EQ(Battery->GetStatusText(), "");
  Loop.Advance(1);
  EXPECT_TRUE(Battery->Triggered());
  EXPECT_EQ(Battery->GetStatusText(), "Battery level: 4%, Power supply offline");

  Power.SetLaptop(4, true);  // plugged in
  Loop.Advance(5000);
  EXPECT_FALSE(Battery->Triggered());
  EXPECT_EQ(Battery->GetStatusText(), "Battery level: 4%, Power supply online");
  EXPECT_EQ(Changes, 2);

  Power.Status = TSystemPowerStatus{1, 128, 255};
  Loop.Advance(5000);
  EXPECT_EQ(Battery->GetStatusText(), "Battery level is unknown, Power supply online");
  Battery->SetConfigText("CHECKBATTERYLEVEL=True;");
  EXPECT_EQ(Battery->GetStatusText(), "Battery level is unknown");

  Battery->Stop();
  EXPECT_EQ(Battery->GetStatusText(), "");
  Battery->Start();
  EXPECT_FALSE(Battery->Measured()) << "a start forgets the last measurement";
  EXPECT_EQ(Battery->BatteryLevel(), -1);
}

// --- Power monitor ------------------------------------------------------------------------------

TEST_F(PowerEventsTest, MonitorTurnsPowerBroadcastsIntoNotifications) {
  TPowerEventMonitor Monitor(Services);
  std::vector<TPowerEventKind> Kinds;
  Monitor.OnNotify = [&](TPowerEventMonitor& Sender, TPowerEventKind Kind) {
    EXPECT_EQ(&Sender, &Monitor);
    Kinds.push_back(Kind);
  };
  Monitor.Start(pmfSuspendResume);
  EXPECT_TRUE(Monitor.Active());
  EXPECT_NE(Monitor.WindowHandle(), 0u);
  EXPECT_EQ(Monitor.NotificationHandle(), 0u) << "suspend and resume need no registration";
  EXPECT_TRUE(Power.Registrations.empty());

  struct TCase {
    std::uintptr_t Event;
    std::vector<TPowerEventKind> Expected;
  } Cases[] = {
      {kPbtApmSuspend, {pekSuspend}},
      {kPbtApmStandby, {pekSuspend}},
      {kPbtApmResumeStandby, {pekResume}},
      {kPbtApmResumeAutomatic, {pekResume}},
      {7, {}},   // PBT_APMRESUMESUSPEND: the automatic resume already reported it
      {0, {}},   // PBT_APMQUERYSUSPEND
      {10, {}},  // PBT_APMPOWERSTATUSCHANGE
  };
  for (const auto& Case : Cases) {
    Kinds.clear();
    Broadcast(Case.Event);
    EXPECT_EQ(Kinds, Case.Expected) << Case.Event;
  }

  // Lid changes reach any running monitor, registered or not.
  Kinds.clear();
  SendLid(0);
  SendLid(1);
  EXPECT_EQ(Kinds, (std::vector<TPowerEventKind>{pekLidClosed, pekLidOpened}));

  Monitor.Stop();
  Kinds.clear();
  Broadcast(kPbtApmSuspend);
  EXPECT_TRUE(Kinds.empty()) << "a stopped monitor has no window";
  EXPECT_EQ(Monitor.WindowHandle(), 0u);
}

TEST_F(PowerEventsTest, LidPayloadsAreCheckedBeforeTheyAreRead) {
  const TGuid Other{0x5D3E9A59, 0xE9D5, 0x4B00, {0xA6, 0xBD, 0xFF, 0x34, 0xFF, 0x51, 0x65, 0x48}};
  struct TCase {
    const char* Name;
    std::optional<TPowerSettingPayload> Payload;
    std::optional<TPowerEventKind> Expected;
  } Cases[] = {
      {"closed", TPowerSettingPayload::Lid(0), pekLidClosed},
      {"opened", TPowerSettingPayload::Lid(1), pekLidOpened},
      {"one data byte", TPowerSettingPayload(kLidSwitchStateChange, 1, {1}), pekLidOpened},
      {"no data", TPowerSettingPayload(kLidSwitchStateChange, 0, {0}), std::nullopt},
      {"unknown state", TPowerSettingPayload::Lid(2), std::nullopt},
      {"another setting", TPowerSettingPayload(Other, 4, {0, 0, 0, 0}), std::nullopt},
      {"null pointer", std::nullopt, std::nullopt},
  };
  TPowerEventMonitor Monitor(Services);
  std::vector<TPowerEventKind> Kinds;
  Monitor.OnNotify = [&](TPowerEventMonitor&, TPowerEventKind Kind) { Kinds.push_back(Kind); };
  Monitor.Start(pmfLid);
  for (const auto& Case : Cases) {
    const void* Pointer =
        Case.Payload ? reinterpret_cast<const void*>(Case.Payload->LParam()) : nullptr;
    EXPECT_EQ(LidEventOfPowerSetting(Pointer), Case.Expected) << Case.Name;
    Kinds.clear();
    Broadcast(kPbtPowerSettingChange, reinterpret_cast<std::intptr_t>(Pointer));
    EXPECT_EQ(Kinds.size(), Case.Expected ? 1u : 0u) << Case.Name;
  }
}

// One fresh simulated machine per case of a table.
struct TPowerRig {
  TSimEventLoop Loop;
  TSimMachine Machine;
  TSimPowerSystem Power;
  TKoServices Services = [this] {
    TKoServices S{Loop};
    S.SystemVersion = &Machine;
    S.PowerSystem = &Power;
    return S;
  }();
};

TEST(PowerMonitorStartTest, LidRegistrationFailuresLeaveNothingBehind) {
  struct TCase {
    const char* Name;
    std::function<void(TPowerRig&)> Script;
    std::string Error;
    bool MonitorError;  // EPowerEventMonitorError rather than the window's own error
  } Cases[] = {
      {"before Vista",
       [](TPowerRig& R) {
         R.Machine.Version = {2, 5, 1};
       },
       "Power setting notifications are not available on this platform", true},
      {"user32 missing", [](TPowerRig& R) { R.Power.User32Loads = false; },
       "Power setting notifications are not available on this platform", true},
      {"function missing", [](TPowerRig& R) { R.Power.RegisterExists = false; },
       "RegisterPowerSettingNotification function not found.", true},
      {"refused",
       [](TPowerRig& R) {
         R.Power.RegisterRefused = true;
         R.Power.RegisterError = 1450;
       },
       "RegisterPowerSettingNotification function failed with error code: 1450.", true},
      {"no window", [](TPowerRig& R) { R.Loop.FailNextWindow(); },
       "Failed to allocate a new window handle.", false},
  };
  for (const auto& Case : Cases) {
    TPowerRig Rig;
    Case.Script(Rig);
    TPowerEventMonitor Monitor(Rig.Services);
    std::string Error;
    bool MonitorError = false;
    try {
      Monitor.Start(pmfSuspendResume | pmfLid);
    } catch (const EPowerEventMonitorError& Failure) {
      Error = Failure.what();
      MonitorError = true;
    } catch (const EKoException& Failure) {
      Error = Failure.what();
    }
    EXPECT_EQ(Error, Case.Error) << Case.Name;
    EXPECT_EQ(MonitorError, Case.MonitorError) << Case.Name;
    EXPECT_FALSE(Monitor.Active()) << Case.Name;
    EXPECT_EQ(Monitor.WindowHandle(), 0u) << Case.Name << ": a failed start keeps no window";
    EXPECT_TRUE(Rig.Power.Registrations.empty()) << Case.Name;
  }

  // The same system without the lid flag starts fine.
  TPowerRig Old;
  Old.Machine.Version = {2, 5, 1};
  TPowerEventMonitor Monitor(Old.Services);
  Monitor.Start(pmfSuspendResume);
  EXPECT_TRUE(Monitor.Active());
}

TEST(PowerMonitorStartTest, WithoutUnregisterTheRegistrationOutlivesTheMonitor) {
  TPowerRig Rig;
  Rig.Power.UnregisterExists = false;
  {
    TPowerEventMonitor Monitor(Rig.Services);
    Monitor.Start(pmfLid);
    EXPECT_TRUE(Monitor.Active());
  }
  EXPECT_EQ(Rig.Power.Registrations.size(), 1u);
}

TEST_F(PowerEventsTest, MonitorRestartsAndStopsWithoutLeakingRegistrations) {
  {
    TPowerEventMonitor Monitor(Services);
    Monitor.Start(pmfLid);
    ASSERT_EQ(Power.Registrations.size(), 1u);
    EXPECT_EQ(Power.Registrations.begin()->second, Monitor.WindowHandle())
        << "the registration is for the monitor's own window";
    EXPECT_EQ(Monitor.NotificationHandle(), Power.Registrations.begin()->first);
    Monitor.Start(pmfLid);  // a restart releases the previous registration first
    EXPECT_EQ(Power.Registrations.size(), 1u);
    Monitor.Start(pmfSuspendResume);
    EXPECT_TRUE(Power.Registrations.empty());
    Monitor.Start(pmfLid);
    EXPECT_EQ(Power.Bindings, 1) << "the functions are bound once";
  }
  EXPECT_TRUE(Power.Registrations.empty()) << "destruction stops the monitor";
  EXPECT_EQ(Loop.PendingMessageCount(), 0u);
}

TEST_F(PowerEventsTest, SupportedFlagsByWindowsVersion) {
  EXPECT_EQ(TPowerEventMonitor::SupportedFlags({2, 5, 1}), 1);
  EXPECT_EQ(TPowerEventMonitor::SupportedFlags({1, 4, 90}), 1);
  EXPECT_EQ(TPowerEventMonitor::SupportedFlags({2, 6, 0}), 3);
  EXPECT_EQ(TPowerEventMonitor::SupportedFlags({2, 10, 0}), 3);
}

// --- Lid
// ------------------------------------------------------------------------------------------

TEST_F(PowerEventsTest, LidTriggersOnTheWantedMovementAndIgnoresSleep) {
  auto Lid = TKoEventObject::Create<TKoEventLid>(Services);
  EXPECT_EQ(Lid->ID(), "Lid");
  EXPECT_EQ(Lid->Name(), "Lid");
  EXPECT_EQ(Lid->GetConfigText(), "CLOSES=True;");
  EXPECT_EQ(Lid->GetDescription(), "Closes");
  EXPECT_EQ(Lid->GetStatusText(), "");
  EXPECT_FALSE(Lid->Timer().Enabled());

  Lid->Start();
  EXPECT_FALSE(Lid->Timer().Enabled()) << "notifications are its only source";
  EXPECT_EQ(Lid->GetStatusText(), "Waiting");
  EXPECT_EQ(Power.Registrations.size(), 1u);
  Broadcast(kPbtApmSuspend);
  Broadcast(kPbtApmResumeAutomatic);
  EXPECT_FALSE(Lid->Triggered());
  SendLid(0);
  EXPECT_TRUE(Lid->Triggered());
  SendLid(1);
  EXPECT_FALSE(Lid->Triggered());
  Lid->Stop();
  EXPECT_TRUE(Power.Registrations.empty());
  SendLid(0);
  EXPECT_FALSE(Lid->Triggered()) << "a stopped event hears nothing";

  Lid->SetConfigText("CLOSES=False;");
  EXPECT_EQ(Lid->GetDescription(), "Opens");
  Lid->Start();
  SendLid(0);
  EXPECT_FALSE(Lid->Triggered());
  SendLid(1);
  EXPECT_TRUE(Lid->Triggered());
}

TEST_F(PowerEventsTest, LidThatCannotRegisterFailsToStartAndSaysSo) {
  Machine.Version = {2, 5, 1};
  auto Lid = TKoEventObject::Create<TKoEventLid>(Services);
  EXPECT_THROW(Lid->Start(), EPowerEventMonitorError);
  EXPECT_EQ(Lid->GetStatusText(), "Not working");

  // In a planner the start fails with the reason.
  TKoPlanner Planner(Loop);
  std::vector<std::string> Messages;
  Planner.OnMessage = [&](TKoPlannerMessageKind, const std::string& Text) {
    Messages.push_back(Text);
  };
  Planner.OnPrepare = [&] {
    Planner.Clear();
    TKoEvents Events;
    Events.push_back(TKoEventObject::Create<TKoEventLid>(Services));
    Planner.SetEvents(std::move(Events));
  };
  Planner.Start();
  EXPECT_FALSE(Planner.IsRunning());
  EXPECT_EQ(Messages, std::vector<std::string>{
                          "Planner has failed to start due a critical problem:\r\n\r\nPower "
                          "setting notifications are not available on this platform"});
}

TEST_F(PowerEventsTest, ClosingTheLidRunsThePlannersActions) {
  TKoPlanner Planner(Loop);
  bool Finished = false;
  Planner.OnFinished = [&] { Finished = true; };
  Planner.OnPrepare = [&] {
    Planner.Clear();
    TKoEvents Events;
    Events.push_back(TKoEventObject::Create<TKoEventLid>(Services));
    Planner.SetEvents(std::move(Events));
  };
  Planner.Start();
  ASSERT_TRUE(Planner.IsRunning());
  SendLid(1);
  Loop.Advance(0);
  EXPECT_TRUE(Planner.IsRunning());
  SendLid(0);
  Loop.Advance(0);
  EXPECT_TRUE(Finished);
  EXPECT_TRUE(Power.Registrations.empty()) << "the stopped lid event gave up its registration";
}

}  // namespace
