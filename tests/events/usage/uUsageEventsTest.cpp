#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "events/uCPUUsageData.h"
#include "events/uEventCPUUsage.h"
#include "events/uEventHardDiskUsage.h"
#include "events/uEventNetworkUsage.h"
#include "platform/sim/uSimEventLoop.h"
#include "platform/sim/uSimIpHelper.h"
#include "platform/sim/uSimLocale.h"
#include "platform/sim/uSimMachine.h"
#include "platform/sim/uSimPerformanceData.h"
#include "platform/sim/uSimRegistry.h"
#include "platform/sim/uSimWmi.h"

namespace {

constexpr std::uint32_t kEthernet = 7;
const std::string kEthernetMac = "00-1A-2B-3C-4D-5E";
constexpr std::uint64_t KB = 1024;

// The three usage events on a simulated machine in virtual time: processors whose load the test
// sets second by second, a network interface whose counters it moves, and disks it reads from
// and writes to.
class UsageEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Net.AddInterface(1, {}, "Loopback");
    Net.AddInterface(kEthernet, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, "Ethernet");
  }

  template <typename TKind>
  std::unique_ptr<TKind> Make(const std::string& Config = {}) {
    auto Event = TKoEventObject::Create<TKind>(Services);
    if (!Config.empty())
      Event->SetConfigText(Config);
    Event->OnTriggeredChange = [this](TKoEventObject&) { ++TriggerChanges; };
    return Event;
  }

  template <typename TCall>
  static std::string StartError(TCall&& Start) {
    try {
      Start();
    } catch (const std::exception& Error) {
      return Error.what();
    }
    return "(started)";
  }

  // One second of virtual time: set what the second looks like, then let the event's timer tick.
  template <typename TEvent>
  void Second(TEvent& Event, std::vector<int>& Counters, std::vector<bool>& Triggered) {
    Loop.Advance(1000);
    Counters.push_back(Event.Counter());
    Triggered.push_back(Event.Triggered());
  }

  TSimEventLoop Loop;
  TSimLocale Locale;
  TSimMachine Machine;  // Windows 10
  TSimPerformanceData Cpu{[this] { return Loop.TickCount64(); }};
  TCPUUsageData CPUUsage{Cpu, Machine};
  TSimIpHelper Net;
  TSimWmi Disks{[this] { return Loop.TickCount64(); }};
  TSimRegistry Registry;
  TKoServices Services{.EventLoop = Loop,
                       .Locale = &Locale,
                       .SystemVersion = &Machine,
                       .CPUUsage = &CPUUsage,
                       .IpHelper = &Net,
                       .Wmi = &Disks,
                       .SystemRegistry = &Registry};
  int TriggerChanges = 0;
};

// --- Settings and descriptions ----------------------------------------------------------------

TEST_F(UsageEventsTest, DefaultsKeysAndMissingKeys) {
  struct Case {
    std::unique_ptr<TKoEventObject> Event;
    const char* Defaults;
    const char* Description;
    const char* FromEmpty;
  };
  Case Cases[] = {
      {Make<TKoEventCPUUsage>(), "DIRECTION=False;USAGE=5;SECONDS=10;USEAVERAGE=False;",
       "Below 5% for 10 seconds", "DIRECTION=False;USAGE=0;SECONDS=0;USEAVERAGE=False;"},
      {Make<TKoEventNetworkUsage>(), "INTERFACE=;USAGE=5;SECONDS=10;TRAFFIC=0;USEAVERAGE=False;",
       "Below 5 KB/s for 10 seconds", "INTERFACE=;USAGE=0;SECONDS=0;TRAFFIC=0;USEAVERAGE=False;"},
      {Make<TKoEventHardDiskUsage>(), "USAGE=1024;SECONDS=10;DIRECTION=0;USEAVERAGE=False;",
       "Below 1024 KB/s for 10 seconds", "USAGE=0;SECONDS=0;DIRECTION=0;USEAVERAGE=False;"},
  };
  for (Case& C : Cases) {
    EXPECT_EQ(C.Event->GetConfigText(), C.Defaults) << C.Event->ID();
    EXPECT_EQ(C.Event->GetDescription(), C.Description) << C.Event->ID();
    EXPECT_EQ(C.Event->GetStatusText(), "") << "idle events show no status";
    C.Event->SetConfigText("");
    EXPECT_EQ(C.Event->GetConfigText(), C.FromEmpty) << "a missing key reads as 0, not the default";
  }
  EXPECT_EQ(Make<TKoEventCPUUsage>()->Name(), "CPU Usage");
  EXPECT_EQ(Make<TKoEventNetworkUsage>()->Name(), "Network Usage");
  EXPECT_EQ(Make<TKoEventHardDiskUsage>()->Name(), "Hard Disk Usage");
}

TEST_F(UsageEventsTest, DescriptionsNameTheDirectionLimitAndAverage) {
  struct Case {
    std::unique_ptr<TKoEventObject> Event;
    const char* Description;
  };
  Case Cases[] = {
      {Make<TKoEventCPUUsage>("DIRECTION=True;USAGE=90;SECONDS=30;"), "Above 90% for 30 seconds"},
      {Make<TKoEventCPUUsage>("USAGE=5;SECONDS=10;USEAVERAGE=True;"),
       "Below 5% for 10 seconds (Average)"},
      {Make<TKoEventNetworkUsage>("USAGE=5;SECONDS=60;TRAFFIC=1;USEAVERAGE=True;"),
       "Download below 5 KB/s for 60 seconds (Average)"},
      {Make<TKoEventNetworkUsage>("USAGE=20;SECONDS=5;TRAFFIC=2;"),
       "Upload below 20 KB/s for 5 seconds"},
      {Make<TKoEventNetworkUsage>("USAGE=20;SECONDS=5;TRAFFIC=7;"), "Below 20 KB/s for 5 seconds"},
      {Make<TKoEventHardDiskUsage>("USAGE=100;SECONDS=2;DIRECTION=1;"),
       "Read below 100 KB/s for 2 seconds"},
      {Make<TKoEventHardDiskUsage>("USAGE=100;SECONDS=2;DIRECTION=2;"),
       "Write below 100 KB/s for 2 seconds"},
      {Make<TKoEventHardDiskUsage>("USAGE=100;SECONDS=2;DIRECTION=3;USEAVERAGE=True;"),
       "Below 100 KB/s for 2 seconds (Average)"},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(C.Event->GetDescription(), C.Description);
}

TEST_F(UsageEventsTest, SecondsBelowOneAreRaisedToOneAtStartAndKept) {
  Cpu.SetUsage(1);
  Disks.AddTransfer(0, 0);
  auto CPU = Make<TKoEventCPUUsage>("SECONDS=0;USAGE=5;");
  auto Network = Make<TKoEventNetworkUsage>("INTERFACE=" + kEthernetMac + ";SECONDS=-4;USAGE=5;");
  auto Disk = Make<TKoEventHardDiskUsage>("SECONDS=0;USAGE=5;");
  for (TKoEventObject* Event :
       {static_cast<TKoEventObject*>(CPU.get()), static_cast<TKoEventObject*>(Network.get()),
        static_cast<TKoEventObject*>(Disk.get())}) {
    Event->Start();
    EXPECT_NE(Event->GetDescription().find("for 1 seconds"), std::string::npos) << Event->ID();
    EXPECT_NE(Event->GetConfigText().find("SECONDS=1;"), std::string::npos) << Event->ID();
  }
  Loop.Advance(1000);
  EXPECT_TRUE(CPU->Triggered());
  EXPECT_TRUE(Network->Triggered());
  EXPECT_TRUE(Disk->Triggered());
}

// --- CPU Usage --------------------------------------------------------------------------------

TEST_F(UsageEventsTest, CPUCountsConsecutiveSecondsBeyondTheLimit) {
  struct Case {
    const char* Config;
    std::vector<double> Readings;  // percent, one per second
    std::vector<int> Counters;
    std::vector<bool> Triggered;
  };
  const Case Cases[] = {
      // 5 is not below 5.
      {"USAGE=5;SECONDS=10;", {3, 3, 3, 5, 3}, {1, 2, 3, 0, 1}, {0, 0, 0, 0, 0}},
      // Triggered on the tick that reaches the seconds, untriggered by the first one above.
      {"USAGE=5;SECONDS=3;", {4, 4, 4, 4, 6, 4}, {1, 2, 3, 4, 0, 1}, {0, 0, 1, 1, 0, 0}},
      // A reading of exactly 90 resets a count above 90.
      {"DIRECTION=True;USAGE=90;SECONDS=2;", {95, 90, 91, 100}, {1, 0, 1, 2}, {0, 0, 0, 1}},
      // The average of the last three seconds: 10, 5, 3.33 (3), then (0+0+0) once 10 is gone.
      {"USAGE=5;SECONDS=3;USEAVERAGE=True;", {10, 0, 0, 0}, {0, 0, 1, 2}, {0, 0, 0, 0}},
      // A window of two: 100, 50, 50, 100, 100, 50.
      {"DIRECTION=True;USAGE=50;SECONDS=2;USEAVERAGE=True;",
       {100, 0, 100, 100, 100, 0},
       {1, 0, 0, 1, 2, 0},
       {0, 0, 0, 0, 1, 0}},
  };
  for (const Case& C : Cases) {
    auto Event = Make<TKoEventCPUUsage>(C.Config);
    Cpu.SetUsage(50);
    Event->Start();
    std::vector<int> Counters;
    std::vector<bool> Triggered;
    for (double Reading : C.Readings) {
      Cpu.SetUsage(Reading);
      Second(*Event, Counters, Triggered);
    }
    EXPECT_EQ(Counters, C.Counters) << C.Config;
    EXPECT_EQ(Triggered, std::vector<bool>(C.Triggered.begin(), C.Triggered.end())) << C.Config;
    Event->Stop();
  }
}

TEST_F(UsageEventsTest, CPUTriggersOnTheTenthSecondBelowTheLimit) {
  auto Event = Make<TKoEventCPUUsage>();  // below 5 % for 10 seconds
  Cpu.SetUsage(80);
  Event->Start();
  Cpu.SetUsage(4);
  Loop.Advance(9000);
  EXPECT_FALSE(Event->Triggered());
  EXPECT_EQ(Event->GetStatusText(), "Usage 4% outside of limit for 9 seconds");
  Loop.Advance(1000);
  EXPECT_TRUE(Event->Triggered());
  EXPECT_EQ(TriggerChanges, 1);
  Loop.Advance(5000);
  EXPECT_EQ(TriggerChanges, 1) << "stays triggered without notifying again";
}

TEST_F(UsageEventsTest, CPUUsageIsRoundedHalfToEvenBeforeTheComparison) {
  // 25 processors, k of them at 12.5 %: the machine is at exactly k / 2 %.
  Cpu.SetProcessorCount(25);
  struct Case {
    std::size_t BusyProcessors;
    int Rounded;
    int Counter;  // below 5 %
  };
  const Case Cases[] = {{9, 4, 1}, {11, 6, 0}, {7, 4, 1}, {10, 5, 0}};
  for (const Case& C : Cases) {
    auto Event = Make<TKoEventCPUUsage>("USAGE=5;SECONDS=10;");
    Event->Start();
    for (std::size_t I = 0; I < 25; ++I)
      Cpu.SetUsage(I, I < C.BusyProcessors ? 12.5 : 0);
    Loop.Advance(1000);
    EXPECT_EQ(Event->CurrentUsage(), C.Rounded) << C.BusyProcessors;
    EXPECT_EQ(Event->Counter(), C.Counter) << C.BusyProcessors;
    Event->Stop();
  }
}

TEST_F(UsageEventsTest, CPUStatusWhileRunningAndAfterStop) {
  auto Event = Make<TKoEventCPUUsage>("DIRECTION=True;USAGE=50;SECONDS=5;");
  Cpu.SetUsage(75);
  Event->Start();
  EXPECT_EQ(Event->GetStatusText(), "Usage 0% outside of limit for 0 seconds");
  Loop.Advance(2000);
  EXPECT_EQ(Event->GetStatusText(), "Usage 75% outside of limit for 2 seconds");
  Event->Stop();
  EXPECT_EQ(Event->GetStatusText(), "");
  EXPECT_EQ(Event->Counter(), 2) << "kept until the next start";
  Event->Start();
  EXPECT_EQ(Event->Counter(), 0);
}

TEST_F(UsageEventsTest, CPUStartPrimesTheSharedSamplerAndOtherReadersShortenTheInterval) {
  auto Event = Make<TKoEventCPUUsage>("USAGE=50;SECONDS=5;");
  Cpu.SetUsage(100);
  Loop.Advance(60000);  // a minute at full load that nobody sampled
  Cpu.SetUsage(10);
  Event->Start();
  Loop.Advance(1000);
  EXPECT_EQ(Event->CurrentUsage(), 10) << "the first tick measures the first second only";

  // The web page reads the same sampler half-way through the next second: the event then
  // measures only the half after it.
  Cpu.SetUsage(90);
  Loop.Advance(500);
  EXPECT_NEAR(CPUUsage.GetTotalCPUUsage(), 90, 1e-9);
  Cpu.SetUsage(20);
  Loop.Advance(500);
  EXPECT_EQ(Event->CurrentUsage(), 20);
  EXPECT_EQ(Event->Counter(), 2);
}

TEST_F(UsageEventsTest, CPUSamplerFailures) {
  // Without a Processor object (as under Wine) the event does not start.
  Cpu.WithoutObjects = true;
  auto Event = Make<TKoEventCPUUsage>("USAGE=50;SECONDS=3;");
  EXPECT_EQ(StartError([&] { Event->Start(); }),
            "Unable to locate the \"Processor\" performance object");
  EXPECT_FALSE(Event->Timer().Enabled());

  // While monitoring, an unreadable sample is skipped: no error a second, count and verdict kept.
  Cpu.WithoutObjects = false;
  Cpu.SetUsage(10);
  Event->Start();
  Loop.Advance(3000);
  ASSERT_TRUE(Event->Triggered());
  Cpu.QueryFails = true;
  Cpu.SetUsage(60);
  Loop.Advance(2000);
  EXPECT_TRUE(Event->Triggered());
  EXPECT_EQ(Event->Counter(), 3);
  EXPECT_EQ(Event->GetStatusText(), "Usage -- outside of limit for 3 seconds");
  Cpu.QueryFails = false;
  Loop.Advance(1000);
  EXPECT_FALSE(Event->Triggered());
  EXPECT_EQ(Event->GetStatusText(), "Usage 60% outside of limit for 0 seconds");
}

// --- Network Usage ----------------------------------------------------------------------------

TEST_F(UsageEventsTest, NetworkStartFailures) {
  struct Case {
    const char* Fault;
    std::function<void(TSimIpHelper&)> Script;
    std::string Interface;
    std::string Error;
  };
  const Case Cases[] = {
      {"no library", [](TSimIpHelper& H) { H.Loadable = false; }, kEthernetMac,
       "Not able to load IP Helper library: iphlpapi.dll"},
      {"interface removed", [](TSimIpHelper&) {}, "11-22-33-44-55-66",
       "Cannot get index for interface: 11-22-33-44-55-66"},
      {"no interface chosen", [](TSimIpHelper&) {}, "", "Cannot get index for interface: "},
      {"counters unreadable", [](TSimIpHelper& H) { H.EntryFails.insert(kEthernet); }, kEthernetMac,
       "Failed to collect data from interface: " + kEthernetMac},
  };
  for (const Case& C : Cases) {
    TSimIpHelper Helper;
    Helper.AddInterface(kEthernet, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, "Ethernet");
    C.Script(Helper);
    TKoServices Other = Services;
    Other.IpHelper = &Helper;
    auto Event = TKoEventObject::Create<TKoEventNetworkUsage>(Other);
    Event->SetConfigText("INTERFACE=" + C.Interface + ";");
    EXPECT_EQ(StartError([&] { Event->Start(); }), C.Error) << C.Fault;
    EXPECT_FALSE(Event->Timer().Enabled()) << C.Fault;
  }
}

TEST_F(UsageEventsTest, NetworkCountsTheChosenTrafficBelowTheLimit) {
  struct Case {
    int Traffic;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> Seconds;  // received, sent
    std::vector<int> Counters;
    std::vector<bool> Triggered;
  };
  // Limit 5 KB/s for 3 seconds.
  const Case Cases[] = {
      {0,
       {{2 * KB, 2 * KB}, {2 * KB, 3 * KB}, {1 * KB, 0}, {0, 0}, {0, 0}},
       {1, 0, 1, 2, 3},
       {0, 0, 0, 0, 1}},
      {1, {{0, 100 * KB}, {0, 100 * KB}, {0, 100 * KB}, {6 * KB, 0}}, {1, 2, 3, 0}, {0, 0, 1, 0}},
      {2, {{100 * KB, 0}, {100 * KB, 4 * KB}, {0, 5 * KB}}, {1, 2, 0}, {0, 0, 0}},
      {9, {{3 * KB, 3 * KB}, {0, 0}}, {0, 1}, {0, 0}},  // unknown traffic kinds count both
  };
  for (const Case& C : Cases) {
    auto Event =
        Make<TKoEventNetworkUsage>("INTERFACE=" + kEthernetMac +
                                   ";USAGE=5;SECONDS=3;TRAFFIC=" + std::to_string(C.Traffic) + ";");
    Event->Start();
    std::vector<int> Counters;
    std::vector<bool> Triggered;
    for (auto [Received, Sent] : C.Seconds) {
      Net.AddTraffic(kEthernet, Received, Sent);
      Second(*Event, Counters, Triggered);
    }
    EXPECT_EQ(Counters, C.Counters) << "traffic " << C.Traffic;
    EXPECT_EQ(Triggered, C.Triggered) << "traffic " << C.Traffic;
    Event->Stop();
  }
}

TEST_F(UsageEventsTest, NetworkRateAndStatusInTheUsersNumberFormat) {
  auto Event = Make<TKoEventNetworkUsage>("INTERFACE=00-1a-2b-3c-4d-5e;TRAFFIC=1;USAGE=5;");
  Event->Start();
  EXPECT_EQ(Event->InterfaceIndex(), kEthernet);
  EXPECT_EQ(Event->GetStatusText(), "Usage -- outside of limit for 0 seconds");
  Net.AddTraffic(kEthernet, 1024 * KB, 0);  // 1 MB received in one second
  Loop.Advance(1000);
  EXPECT_EQ(Event->CurrentRate(), 1024);
  EXPECT_EQ(Event->GetStatusText(), "Usage 1,024.0 KB/s outside of limit for 0 seconds");
  Locale.Separators = {".", ","};
  Net.AddTraffic(kEthernet, 1536 + 1, 0);
  Loop.Advance(1000);
  EXPECT_EQ(Event->GetStatusText(), "Usage 1,5 KB/s outside of limit for 1 seconds");
}

TEST_F(UsageEventsTest, NetworkAverageOfTheLastSeconds) {
  auto Event = Make<TKoEventNetworkUsage>("INTERFACE=" + kEthernetMac +
                                          ";USAGE=5;SECONDS=3;USEAVERAGE=True;");
  Event->Start();
  std::vector<long double> Rates;
  for (std::uint64_t Received : {10 * KB, 0 * KB, 0 * KB, 0 * KB}) {
    Net.AddTraffic(kEthernet, Received, 0);
    Loop.Advance(1000);
    Rates.push_back(Event->CurrentRate());
  }
  EXPECT_EQ(Rates, (std::vector<long double>{10, 5, 10.0L / 3, 0}));
  EXPECT_EQ(Event->Counter(), 2);
}

TEST_F(UsageEventsTest, NetworkWrappedCounterOrUnreadableRowSkipsOneSecond) {
  auto Event = Make<TKoEventNetworkUsage>("INTERFACE=" + kEthernetMac + ";USAGE=5;SECONDS=3;");
  Net.Find(kEthernet)->InOctets = 0xFFFFFFFFu - 100;
  Event->Start();
  Loop.Advance(2000);
  ASSERT_EQ(Event->Counter(), 2);

  Net.AddTraffic(kEthernet, 1000, 0);  // the received counter wraps
  Loop.Advance(1000);
  EXPECT_EQ(Event->GetStatusText(), "Usage -- outside of limit for 2 seconds");
  EXPECT_EQ(Event->CurrentRate(), -1);

  Net.AddTraffic(kEthernet, 2 * KB, 0);  // measured from the wrapped value
  Loop.Advance(1000);
  EXPECT_EQ(Event->CurrentRate(), 2);
  EXPECT_EQ(Event->Counter(), 3);
  EXPECT_TRUE(Event->Triggered());

  Net.EntryFails.insert(kEthernet);
  Loop.Advance(1000);
  EXPECT_EQ(Event->CurrentRate(), -1);
  EXPECT_EQ(Event->Counter(), 3);
  EXPECT_TRUE(Event->Triggered());
  Net.EntryFails.clear();
  Net.AddTraffic(kEthernet, 20 * KB, 0);
  Loop.Advance(1000);
  EXPECT_EQ(Event->CurrentRate(), 10) << "over the two seconds since the last row read";
  EXPECT_FALSE(Event->Triggered());
}

TEST_F(UsageEventsTest, NetworkSamplingCarriesOnAcrossTheTickCountWrap) {
  Loop.SetTickCount64(0xFFFFFFFFull - 1500);
  auto Event = Make<TKoEventNetworkUsage>("INTERFACE=" + kEthernetMac + ";USAGE=5;SECONDS=4;");
  Event->Start();
  std::vector<long double> Rates;
  for (int I = 0; I < 4; ++I) {
    Net.AddTraffic(kEthernet, 3 * KB, 0);
    Loop.Advance(1000);
    Rates.push_back(Event->CurrentRate());
  }
  EXPECT_EQ(Rates, (std::vector<long double>{3, 3, 3, 3}));
  EXPECT_TRUE(Event->Triggered());
}

// --- Hard Disk Usage --------------------------------------------------------------------------

TEST_F(UsageEventsTest, DiskStartFailures) {
  const std::string Perflib = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib";
  const std::string PerfDisk = "SYSTEM\\CurrentControlSet\\Services\\PerfDisk\\Performance";
  const std::string Switch = "Disable Performance Counters";
  struct Case {
    const char* Fault;
    std::function<void(TSimRegistry&, TSimWmi&)> Script;
    std::string Error;
  };
  const Case Cases[] = {
      {"all counters off",
       [&](TSimRegistry& R, TSimWmi&) {
         R.SetDWord(TRegistryRoot::rrLocalMachine, Perflib, Switch, 1);
       },
       "Disk performance counters are disabled"},
      {"disk counters off",
       [&](TSimRegistry& R, TSimWmi&) {
         R.SetDWord(TRegistryRoot::rrLocalMachine, PerfDisk, Switch, 1);
       },
       "Disk performance counters are disabled"},
      {"no _Total disk, as under Wine",
       [](TSimRegistry&, TSimWmi& W) { W.DiskObjectPresent = false; },
       "Failed to get logical disk information"},
      {"WMI unreachable", [](TSimRegistry&, TSimWmi& W) { W.ConnectFails = true; },
       "simulated WMI connection failure"},
  };
  for (const Case& C : Cases) {
    TSimRegistry OwnRegistry;
    TSimWmi OwnWmi([this] { return Loop.TickCount64(); });
    C.Script(OwnRegistry, OwnWmi);
    TKoServices Other = Services;
    Other.SystemRegistry = &OwnRegistry;
    Other.Wmi = &OwnWmi;
    auto Event = TKoEventObject::Create<TKoEventHardDiskUsage>(Other);
    EXPECT_EQ(StartError([&] { Event->Start(); }), C.Error) << C.Fault;
    EXPECT_FALSE(Event->Timer().Enabled()) << C.Fault;
  }
}

TEST_F(UsageEventsTest, DiskCountsTheChosenTransferBelowTheLimit) {
  struct Case {
    int Direction;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> Seconds;  // read, written
    std::vector<int> Counters;
  };
  // Limit 1024 KB/s for 2 seconds.
  const Case Cases[] = {
      {0, {{512 * KB, 511 * KB}, {512 * KB, 512 * KB}, {0, 0}}, {1, 0, 1}},
      {1, {{2048 * KB, 0}, {0, 4096 * KB}, {1000 * KB, 4096 * KB}}, {0, 1, 2}},
      {2, {{4096 * KB, 1023 * KB}, {0, 1024 * KB}}, {1, 0}},
  };
  for (const Case& C : Cases) {
    auto Event = Make<TKoEventHardDiskUsage>(
        "USAGE=1024;SECONDS=2;DIRECTION=" + std::to_string(C.Direction) + ";");
    Event->Start();
    std::vector<int> Counters;
    std::vector<bool> Triggered;
    for (auto [Read, Written] : C.Seconds) {
      Disks.AddTransfer(Read, Written);
      Second(*Event, Counters, Triggered);
    }
    EXPECT_EQ(Counters, C.Counters) << "direction " << C.Direction;
    Event->Stop();
  }
}

TEST_F(UsageEventsTest, DiskRateAndStatus) {
  auto Event = Make<TKoEventHardDiskUsage>("USAGE=1024;SECONDS=3;DIRECTION=1;");
  EXPECT_EQ(Event->GetStatusText(), "");
  Event->Start();
  EXPECT_EQ(Event->GetStatusText(), "Usage -- outside of limit for 0 seconds");
  Disks.AddTransfer(2'097'152, 0);
  Loop.Advance(1000);
  EXPECT_EQ(Event->CurrentRate(), 2048);
  EXPECT_EQ(Event->GetStatusText(), "Usage 2,048 KB/s outside of limit for 0 seconds");
  Disks.AddTransfer(1500, 0);
  Loop.Advance(1000);
  EXPECT_EQ(Event->GetStatusText(), "Usage 1 KB/s outside of limit for 1 seconds");
}

TEST_F(UsageEventsTest, DiskFailuresWhileMonitoringSkipTheSecondAndReconnect) {
  auto Event = Make<TKoEventHardDiskUsage>("USAGE=1024;SECONDS=2;");
  Event->Start();
  Loop.Advance(2000);
  ASSERT_TRUE(Event->Triggered());
  const std::size_t Connections =
      std::count_if(Disks.Calls.begin(), Disks.Calls.end(),
                    [](const std::string& Call) { return Call.starts_with("connect"); });
  EXPECT_EQ(Connections, 1u);

  Disks.QueryFails = true;
  Loop.Advance(1000);
  Disks.QueryFails = false;
  Disks.DiskObjectPresent = false;
  Loop.Advance(1000);
  EXPECT_TRUE(Event->Triggered());
  EXPECT_EQ(Event->Counter(), 2);
  EXPECT_EQ(Event->GetStatusText(), "Usage -- outside of limit for 2 seconds");
  EXPECT_EQ(std::count_if(Disks.Calls.begin(), Disks.Calls.end(),
                          [](const std::string& Call) { return Call.starts_with("connect"); }),
            2)
      << "a failed query drops the connection";

  Disks.DiskObjectPresent = true;
  Disks.AddTransfer(8192 * KB, 0);  // over the three seconds since the last good sample
  Loop.Advance(1000);
  EXPECT_NEAR(static_cast<double>(Event->CurrentRate()), 8192.0 / 3, 1e-9);
  EXPECT_FALSE(Event->Triggered());
}

}  // namespace
