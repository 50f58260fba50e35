// Pings through the real ICMP library and Windows Sockets under Wine, to 127.0.0.1 only. Names
// that cannot resolve are ones refused before any lookup, so no query leaves the machine.

#include <gtest/gtest.h>

#include <array>

#include "events/uEventPingStops.h"
#include "events/uPing.h"
#include "uWin32EventsSupport.h"

namespace {

constexpr DWORD kWaitMs = 15000;

TEST(Win32PingTest, TheLoopbackAddressResolvesAndAnswers) {
  TWin32PingSystem Ping;
  ASSERT_TRUE(Ping.LoadIcmpLibrary());
  EXPECT_TRUE(Ping.LoadIcmpLibrary()) << "bound once, then kept";
  EXPECT_EQ(Ping.ResolveHostAddress("127.0.0.1"), (TIPv4Address{127, 0, 0, 1}));
  const std::int32_t RoundTrip = PingHost(Ping, "127.0.0.1", kPingTimeoutMs);
  EXPECT_GE(RoundTrip, 0);
  EXPECT_LT(RoundTrip, 1000);
  for (const char* Refused : {"", "bad host!", "::1", "a..b"})
    EXPECT_EQ(PingHost(Ping, Refused, kPingTimeoutMs), -1) << Refused;
}

TEST(Win32PingTest, EchoRepliesCarryTheirStatusAndTime) {
  TWin32PingSystem Ping;
  ASSERT_TRUE(Ping.LoadIcmpLibrary());
  std::array<std::uint8_t, 32> Data;
  Data.fill('A');
  const auto Reply = Ping.SendEcho({127, 0, 0, 1}, Data, kPingTimeoutMs);
  ASSERT_TRUE(Reply.has_value());
  EXPECT_EQ(Reply->Status, 0u);
}

class Win32PingStopsTest : public testing::Test {
 protected:
  TWin32EventsHost Host;

  std::unique_ptr<TKoEventPingStops> Start(const std::string& Address, int TriggerPeriod) {
    auto Event = TKoEventObject::Create<TKoEventPingStops>(Host.Services);
    Event->SetConfig({Address, TriggerPeriod, 1});
    Event->Start();
    return Event;
  }
};

TEST_F(Win32PingStopsTest, TheLoopbackHostAnswersThroughWorkersAndTheMessenger) {
  auto Event = Start("127.0.0.1", 3);
  ASSERT_TRUE(Host.PumpUntil([&] { return Event->LastRoundTripTime() >= 0; }, kWaitMs));
  EXPECT_EQ(Event->GetStatusText().rfind("Response ", 0), 0u) << Event->GetStatusText();
  EXPECT_NE(Event->GetStatusText().find(" ms received "), std::string::npos);
  Host.PumpFor(4500);
  EXPECT_FALSE(Event->Triggered());
  Event->Stop();
  EXPECT_TRUE(Host.PumpUntil([&] { return Event->PingsInFlight() == 0; }, kWaitMs));
}

TEST_F(Win32PingStopsTest, AHostThatCannotBeNamedTriggersAfterTheTriggerPeriod) {
  auto Event = Start("no such host!", 1);
  EXPECT_TRUE(Host.PumpUntil([&] { return Event->Triggered(); }, kWaitMs));
  EXPECT_EQ(Event->LastRoundTripTime(), -1);
  EXPECT_EQ(Event->GetStatusText().rfind("No response for ", 0), 0u) << Event->GetStatusText();
}

TEST_F(Win32PingStopsTest, EventsDestroyedWithPingsOutLeaveTheWorkersHarmless) {
  for (int I = 0; I < 10; ++I) {
    auto Event = Start("127.0.0.1", 10);
    Host.PumpFor(I * 3);  // some go before their ping is sent, some while it is out
  }
  // Workers still out post to nothing now; the loop keeps running untroubled.
  Host.PumpFor(500);
  auto Survivor = Start("127.0.0.1", 10);
  EXPECT_TRUE(Host.PumpUntil([&] { return Survivor->LastRoundTripTime() >= 0; }, kWaitMs));
}

}  // namespace
