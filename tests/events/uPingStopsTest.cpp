// The Ping Stops event and the ping functions on the simulated machine. The workers are real
// threads; the event and its timers run in virtual time on the test's thread.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "core/uWindowMessages.h"
#include "core/uWindowMessenger.h"
#include "events/uEventPingStops.h"
#include "events/uPing.h"
#include "uWatchHost.h"

namespace {

using namespace std::chrono_literals;

constexpr TIPv4Address kServer{10, 0, 0, 5};
constexpr TEchoReply kAnswer20ms{0, 20};

// Waits, in real time, until every worker of the event has handed its result over, then lets
// the results through on this thread.
void Settle(TSimEventLoop& Loop, const TKoEventPingStops& Event) {
  const auto Deadline = std::chrono::steady_clock::now() + 10s;
  while (Event.PingsInFlight() > 0) {
    ASSERT_LT(std::chrono::steady_clock::now(), Deadline) << "a ping worker never reported";
    std::this_thread::sleep_for(1ms);
  }
  Loop.ProcessMessages();
}

class PingStopsTest : public testing::Test {
 protected:
  TWatchHost Host;
  TSimEventLoop& Loop = Host.Loop;
  TSimPingSystem& Ping = *Host.Ping;

  void SetUp() override {
    Ping.AddHost("server.lan", kServer);
    Ping.SetReply(kServer, kAnswer20ms);
  }
  void TearDown() override { Ping.Release(); }

  std::unique_ptr<TKoEventPingStops> Start(const std::string& Address, int TriggerPeriod = 10,
                                           int PingInterval = 2) {
    auto Event = Host.Make<TKoEventPingStops>();
    Event->SetConfig({Address, TriggerPeriod, PingInterval});
    Event->Start();
    Settle(Loop, *Event);
    return Event;
  }
  // Moves on second by second, letting each second's pings report before the next.
  void Run(TKoEventPingStops& Event, int Seconds) {
    for (int I = 0; I < Seconds; ++I) {
      Loop.Advance(1000);
      Settle(Loop, Event);
    }
  }
};

// --- Host names and single pings ------------------------------------------------------------

TEST(PingHostTest, HostNamesThatCannotBeResolvedAreRefusedBeforeAnyLookup) {
  struct TCase {
    const char* Host;
    bool Valid;
  };
  const TCase Cases[] = {
      {"127.0.0.1", true},
      {"server.lan", true},
      {"my-host_01", true},
      {"example.org.", true},
      {"", false},
      {".", false},
      {"a..b", false},
      {".a", false},
      {"bad host", false},
      {"host!", false},
      {"::1", false},
      {"http://server", false},
      {"ünïcode.example", false},
      {"a.b.", true},
      {"a..", false},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(IsValidHostName(C.Host), C.Valid) << '"' << C.Host << '"';
  EXPECT_TRUE(IsValidHostName(std::string(63, 'a') + "." + std::string(63, 'b')));
  EXPECT_FALSE(IsValidHostName(std::string(64, 'a')));
  EXPECT_FALSE(IsValidHostName(std::string(254, 'a')));
}

TEST(PingHostTest, RepliesFailuresAndWhatIsSent) {
  TSimPingSystem Ping;
  Ping.AddHost("Server.LAN", kServer);
  Ping.SetReply(kServer, kAnswer20ms);
  Ping.SetReply({10, 0, 0, 6}, TEchoReply{11010, 0});  // an ICMP error comes back
  struct TCase {
    const char* Host;
    std::int32_t RoundTripTime;
    std::optional<std::string> Resolved;  // what reached the resolver, if anything
  };
  const TCase Cases[] = {
      {"server.lan", 20, "server.lan"},
      {" 10.0.0.5\t", 20, "10.0.0.5"},
      {"10.0.0.6", -1, "10.0.0.6"},
      {"10.0.0.7", -1, "10.0.0.7"},  // no reply within the time-out
      {"unknown.lan", -1, "unknown.lan"},
      {"", -1, std::nullopt},  // would resolve to this machine
      {"   ", -1, std::nullopt},
      {"no such host", -1, std::nullopt},
  };
  for (const auto& C : Cases) {
    const std::size_t Before = Ping.Resolved().size();
    EXPECT_EQ(PingHost(Ping, C.Host, kPingTimeoutMs), C.RoundTripTime) << C.Host;
    const auto Resolved = Ping.Resolved();
    if (C.Resolved) {
      ASSERT_EQ(Resolved.size(), Before + 1) << C.Host;
      EXPECT_EQ(Resolved.back(), *C.Resolved);
    } else {
      EXPECT_EQ(Resolved.size(), Before) << C.Host;
    }
  }
  const auto Requests = Ping.EchoRequests();
  ASSERT_FALSE(Requests.empty());
  EXPECT_EQ(Requests[0].Address, kServer);
  EXPECT_EQ(Requests[0].Data, std::string(32, 'A'));
  EXPECT_EQ(Requests[0].TimeoutMs, 4000u);
}

TEST(PingResultChannelTest, ReportsReachTheMessengerUntilTheChannelIsClosed) {
  TSimEventLoop Loop;
  std::vector<std::intptr_t> Received;
  TWindowMessenger Messenger(Loop, [&](TWindowMessage& Message) {
    if (Message.Msg == WM_PING_RESULT && Message.LParam == 0)
      Received.push_back(static_cast<std::intptr_t>(Message.WParam));
  });
  TPingResultChannel Channel(Messenger);
  Channel.WorkerStarting();
  Channel.WorkerStarting();
  EXPECT_EQ(Channel.InFlight(), 2u);
  EXPECT_TRUE(Channel.Report(-1));
  Channel.Close();
  EXPECT_FALSE(Channel.Report(20));
  EXPECT_EQ(Channel.InFlight(), 0u);
  Loop.ProcessMessages();
  EXPECT_EQ(Received, std::vector<std::intptr_t>{-1});
}

// --- Settings and texts ---------------------------------------------------------------------

TEST_F(PingStopsTest, DefaultsKeysAndDescription) {
  auto Event = Host.Make<TKoEventPingStops>();
  EXPECT_EQ(Event->ID(), "PingStops");
  EXPECT_EQ(Event->Name(), "Ping Stops");
  EXPECT_EQ(Event->GetConfigText(), "ADDRESS=;TRIGGERPERIOD=10;PINGINTERVAL=2;");
  EXPECT_EQ(Event->GetDescription(),
            "Host \"\" not responding for 10 seconds, ping interval 2 seconds");
  EXPECT_EQ(Event->LastRoundTripTime(), -1);
  struct TCase {
    const char* Config;
    int TriggerPeriod;
    int PingInterval;
  };
  const TCase Cases[] = {
      {"ADDRESS=gw;TRIGGERPERIOD=60;PINGINTERVAL=5;", 60, 5},
      {"ADDRESS=gw;SECONDS=30;", 30, 2},  // the older name of the trigger period
      {"ADDRESS=gw;triggerperiod=45;SECONDS=30;PINGINTERVAL=0;", 45, 2},
      {"ADDRESS=gw;PINGINTERVAL=-3;", 0, 2},
  };
  for (const auto& C : Cases) {
    Event->SetConfigText(C.Config);
    EXPECT_EQ(Event->Config().TriggerPeriod, C.TriggerPeriod) << C.Config;
    EXPECT_EQ(Event->Config().PingInterval, C.PingInterval) << C.Config;
  }
}

TEST_F(PingStopsTest, WithoutTheIcmpLibraryTheEventDoesNotStart) {
  Ping.SetLibraryPresent(false);
  auto Event = Host.Make<TKoEventPingStops>("ADDRESS=server.lan;");
  try {
    Event->Start();
    FAIL() << "started without the library";
  } catch (const EKoException& Error) {
    EXPECT_STREQ(Error.what(), "Failed to load ICMP.DLL. File might be missing!");
  }
  EXPECT_TRUE(Ping.EchoRequests().empty());
}

// --- Replies, time-outs and the trigger period ----------------------------------------------

TEST_F(PingStopsTest, AHostThatNeverAnswersTriggersAfterTheTriggerPeriod) {
  for (const char* Address : {"10.9.9.9", "unknown.lan", "", "bad host!"}) {
    auto Event = Start(Address, 10, 2);
    EXPECT_EQ(Event->GetStatusText(), "No response for 0 seconds") << Address;
    Run(*Event, 9);
    EXPECT_EQ(Event->GetStatusText(), "No response for 9 seconds") << Address;
    EXPECT_FALSE(Event->Triggered()) << Address;
    Run(*Event, 1);
    EXPECT_TRUE(Event->Triggered()) << Address;
    Event->Stop();
    EXPECT_EQ(Event->GetStatusText(), "");
  }
  const auto Resolved = Ping.Resolved();
  EXPECT_EQ(std::count(Resolved.begin(), Resolved.end(), "10.9.9.9"), 6)
      << "one ping at the start and one every two seconds";
}

TEST_F(PingStopsTest, AHostThatAnswersKeepsTheEventUntriggered) {
  auto Event = Start("server.lan", 3, 2);
  EXPECT_EQ(Event->GetStatusText(), "Response 20 ms received 0 seconds ago");
  Run(*Event, 1);
  EXPECT_EQ(Event->GetStatusText(), "Response 20 ms received 1 seconds ago");
  Run(*Event, 1);
  EXPECT_EQ(Event->GetStatusText(), "Response 20 ms received 0 seconds ago");
  Run(*Event, 30);
  EXPECT_FALSE(Event->Triggered());
  EXPECT_EQ(Host.Changes, 0);
}

TEST_F(PingStopsTest, LostRepliesCountFromTheLastGoodOneAndAReplyUntriggers) {
  auto Event = Start("server.lan", 5, 2);
  Run(*Event, 1);
  Ping.SetReply(kServer, std::nullopt);
  Run(*Event, 1);
  EXPECT_EQ(Event->GetStatusText(), "No response for 2 seconds") << "one lost reply";
  EXPECT_EQ(Event->LastRoundTripTime(), -1);
  EXPECT_FALSE(Event->Triggered());
  Run(*Event, 3);
  EXPECT_TRUE(Event->Triggered()) << "five seconds since the reply at the start";
  Ping.SetReply(kServer, TEchoReply{0, 7});
  Run(*Event, 1);
  EXPECT_EQ(Event->GetStatusText(), "Response 7 ms received 0 seconds ago");
  Run(*Event, 1);
  EXPECT_FALSE(Event->Triggered()) << "untriggered at the next check";
  EXPECT_EQ(Host.Changes, 2);
}

TEST_F(PingStopsTest, TheTriggerPeriodAndIntervalAreAtLeastOneSecond) {
  auto Event = Start("10.9.9.9", 0, 0);
  EXPECT_EQ(Event->Config().TriggerPeriod, 1);
  EXPECT_EQ(Event->Config().PingInterval, 1);
  Run(*Event, 1);
  EXPECT_TRUE(Event->Triggered());
}

// --- Workers in flight ----------------------------------------------------------------------

TEST_F(PingStopsTest, ANewWorkerStartsEveryIntervalWhileEarlierOnesAreStillOut) {
  Ping.Hold();
  auto Event = Host.Make<TKoEventPingStops>();
  Event->SetConfig({"10.9.9.9", 10, 1});
  Event->Start();
  for (int I = 0; I < 4; ++I)
    Loop.Advance(1000);
  ASSERT_TRUE(Ping.WaitForHeld(5, 10s));
  EXPECT_EQ(Event->PingsInFlight(), 5u);
  EXPECT_EQ(Event->GetStatusText(), "No response for 4 seconds");
  Ping.Release();
  Settle(Loop, *Event);
  EXPECT_EQ(Event->PingsInFlight(), 0u);
  EXPECT_EQ(Ping.EchoRequests().size(), 5u);
}

TEST_F(PingStopsTest, ResultsAfterAStopUpdateTheStatusButNotTheLevelAndAStartResetsThem) {
  Ping.Hold();
  auto Event = Host.Make<TKoEventPingStops>();
  Event->SetConfig({"server.lan", 2, 2});
  Event->Start();
  ASSERT_TRUE(Ping.WaitForHeld(1, 10s));
  Loop.Advance(3000);
  EXPECT_TRUE(Event->Triggered());
  Event->Stop();
  Ping.Release();
  Settle(Loop, *Event);
  EXPECT_EQ(Event->LastRoundTripTime(), 20) << "the late result is taken in";
  Loop.Advance(5000);
  EXPECT_TRUE(Event->Triggered()) << "but judges nothing while stopped";
  Ping.SetReply(kServer, std::nullopt);
  Event->Start();
  EXPECT_EQ(Event->LastRoundTripTime(), -1);
  EXPECT_FALSE(Event->Triggered());
  EXPECT_EQ(Event->GetStatusText(), "No response for 0 seconds");
  Settle(Loop, *Event);
}

TEST(PingStopsLifetimeTest, WorkersThatOutliveTheirEventTouchNothingOfIt) {
  TSimEventLoop Loop;
  auto Ping = std::make_shared<TSimPingSystem>();
  Ping->SetReply({127, 0, 0, 1}, kAnswer20ms);
  Ping->Hold();
  std::optional<TKoServices> Services(std::in_place, Loop);
  Services->Ping = Ping;
  auto Event = TKoEventObject::Create<TKoEventPingStops>(*Services);
  Event->SetConfig({"127.0.0.1", 10, 1});
  Event->Start();
  Loop.Advance(2000);
  ASSERT_TRUE(Ping->WaitForHeld(3, 10s));

  // The event goes, with its messenger, while three pings are out; so do the services.
  Event.reset();
  Services.reset();
  std::weak_ptr<TSimPingSystem> Port = Ping;
  Ping->Release();
  Ping.reset();
  // The workers hold the port until they have reported: once it is gone, they all have.
  const auto Deadline = std::chrono::steady_clock::now() + 10s;
  while (!Port.expired()) {
    ASSERT_LT(std::chrono::steady_clock::now(), Deadline) << "a ping worker never ended";
    std::this_thread::sleep_for(1ms);
  }
  EXPECT_EQ(Loop.PendingMessageCount(), 0u) << "nothing was posted for the event that is gone";
  Loop.Advance(5000);
}

TEST(PingStopsLifetimeTest, AnEventDestroyedWhileRunningLeavesNoWorkerBehindForLong) {
  // Events are made and dropped on every start of the planner; many of them in a row, each
  // with pings out, must neither crash nor keep anything alive.
  TSimEventLoop Loop;
  auto Ping = std::make_shared<TSimPingSystem>();
  Ping->SetReply({127, 0, 0, 1}, kAnswer20ms);
  {
    TKoServices Services{Loop};
    Services.Ping = Ping;
    for (int I = 0; I < 20; ++I) {
      auto Event = TKoEventObject::Create<TKoEventPingStops>(Services);
      Event->SetConfig({"127.0.0.1", 10, 1});
      Event->Start();
      Loop.Advance(1000);
    }
  }
  std::weak_ptr<TSimPingSystem> Port = Ping;
  Ping.reset();
  const auto Deadline = std::chrono::steady_clock::now() + 10s;
  while (!Port.expired()) {
    ASSERT_LT(std::chrono::steady_clock::now(), Deadline) << "a ping worker never ended";
    std::this_thread::sleep_for(1ms);
  }
  Loop.Advance(1000);
}

}  // namespace
