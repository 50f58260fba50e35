// The IP Helper library for real: the host's interfaces as Wine lists them, loopback counters
// moved by datagrams the test sends to 127.0.0.1, and a Network Usage event on the real loop.

#include "platform/win32/uWin32IpHelper.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "events/uEventNetworkUsage.h"
#include "events/uIPUtils.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32Locale.h"

namespace {

constexpr std::uint32_t kLoopback = 0x0100007F;

class Win32IpHelperTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadIpHelper(Helper)); }

  // The interface that carries 127.0.0.1.
  std::uint32_t LoopbackIndex() {
    for (const TMibIpAddrRow& Row : GetIpAddrTableRows(Helper))
      if (Row.Addr == kLoopback)
        return Row.Index;
    ADD_FAILURE() << "no interface has 127.0.0.1";
    return 0;
  }

  TWin32IpHelper Helper;
};

class TWinsock {
 public:
  TWinsock() { FStarted = WSAStartup(MAKEWORD(2, 2), &FData) == 0; }
  ~TWinsock() {
    if (FStarted)
      WSACleanup();
  }
  TWinsock(const TWinsock&) = delete;
  TWinsock& operator=(const TWinsock&) = delete;

 private:
  WSADATA FData{};
  bool FStarted = false;
};

class TSocket {
 public:
  TSocket() : FSocket(socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP)) {}
  ~TSocket() {
    if (FSocket != INVALID_SOCKET)
      closesocket(FSocket);
  }
  TSocket(const TSocket&) = delete;
  TSocket& operator=(const TSocket&) = delete;
  SOCKET Get() const { return FSocket; }

 private:
  SOCKET FSocket;
};

// Sends Count datagrams of Size bytes from one loopback socket to another; returns the bytes
// sent.
std::uint64_t SendOverLoopback(int Count, int Size) {
  TWinsock Winsock;
  TSocket Receiver;
  TSocket Sender;
  sockaddr_in Address{};
  Address.sin_family = AF_INET;
  Address.sin_addr.s_addr = kLoopback;
  if (bind(Receiver.Get(), reinterpret_cast<sockaddr*>(&Address), sizeof Address) != 0)
    return 0;
  // A datagram lost on the way must not hold the test up.
  const DWORD Timeout = 1000;
  setsockopt(Receiver.Get(), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&Timeout),
             sizeof Timeout);
  int Length = sizeof Address;
  getsockname(Receiver.Get(), reinterpret_cast<sockaddr*>(&Address), &Length);
  const std::vector<char> Payload(static_cast<std::size_t>(Size), 'k');
  std::uint64_t Sent = 0;
  std::vector<char> Incoming(static_cast<std::size_t>(Size));
  for (int I = 0; I < Count; ++I) {
    const int Result = sendto(Sender.Get(), Payload.data(), Size, 0,
                              reinterpret_cast<sockaddr*>(&Address), sizeof Address);
    if (Result > 0)
      Sent += static_cast<std::uint64_t>(Result);
    recv(Receiver.Get(), Incoming.data(), Size, 0);
  }
  return Sent;
}

TEST_F(Win32IpHelperTest, ListsTheHostsInterfacesWithTheirAddresses) {
  const TMibIfRows Rows = GetIfTableRows(Helper);
  ASSERT_FALSE(Rows.empty());
  EXPECT_TRUE(std::is_sorted(Rows.begin(), Rows.end(), [](const auto& A, const auto& B) {
    return A.Index < B.Index;
  })) << "sorted as asked";
  const std::uint32_t Loopback = LoopbackIndex();
  EXPECT_EQ(GetInterfaceIpAddress(Helper, Loopback), "127.0.0.1");
  for (const TMibIfRow& Row : Rows) {
    const std::string Mac = GetInterfaceMac(Row);
    std::uint32_t Found = 0;
    ASSERT_TRUE(FindInterfaceIndexByMac(Helper, Mac, Found)) << Mac;
    // The first row with that address wins, so it has the same address.
    auto Match =
        std::find_if(Rows.begin(), Rows.end(), [&](const auto& R) { return R.Index == Found; });
    ASSERT_NE(Match, Rows.end());
    EXPECT_EQ(GetInterfaceMac(*Match), Mac);
  }
  TMibIfRow Row;
  ASSERT_TRUE(GetIfEntryRow(Helper, Loopback, Row));
  EXPECT_EQ(Row.Index, Loopback);
  EXPECT_FALSE(GetInterfaceDescription(Row).empty());
  EXPECT_FALSE(GetIfEntryRow(Helper, 0x7FFFFFF0, Row)) << "no such interface";
}

TEST_F(Win32IpHelperTest, LoopbackCountersMoveWithTraffic) {
  const std::uint32_t Loopback = LoopbackIndex();
  TMibIfRow Before;
  ASSERT_TRUE(GetIfEntryRow(Helper, Loopback, Before));
  const std::uint64_t Sent = SendOverLoopback(200, 1000);
  ASSERT_EQ(Sent, 200000u);
  TMibIfRow After;
  ASSERT_TRUE(GetIfEntryRow(Helper, Loopback, After));
  // Other programs may add traffic of their own, never take any away; counters wrap at 2^32.
  EXPECT_GE(static_cast<std::uint32_t>(After.OutOctets - Before.OutOctets), Sent);
  EXPECT_GE(static_cast<std::uint32_t>(After.InOctets - Before.InOctets), Sent);
}

TEST_F(Win32IpHelperTest, NetworkUsageEventMeasuresAnInterfaceOnTheRealLoop) {
  TWin32EventLoop Loop;
  TWin32Locale Locale;
  TKoServices Services{.EventLoop = Loop, .Locale = &Locale, .IpHelper = &Helper};
  TMibIfRow Row;
  ASSERT_TRUE(GetIfEntryRow(Helper, LoopbackIndex(), Row));
  auto Event = TKoEventObject::Create<TKoEventNetworkUsage>(Services);
  // A limit no loopback traffic here reaches: the event triggers after its one second.
  Event->SetConfigText("INTERFACE=" + GetInterfaceMac(Row) + ";USAGE=2000000;SECONDS=1;");
  Event->Start();
  const ULONGLONG Deadline = GetTickCount64() + 5000;
  while (!Event->Triggered() && GetTickCount64() < Deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Loop.ProcessMessages();
  }
  EXPECT_TRUE(Event->Triggered());
  EXPECT_GE(Event->CurrentRate(), 0);
  const std::string Status = Event->GetStatusText();
  EXPECT_EQ(Status.rfind("Usage ", 0), 0u) << Status;
  EXPECT_NE(Status.find(" KB/s outside of limit for 1 seconds"), std::string::npos) << Status;
  Event->Stop();
}

}  // namespace
