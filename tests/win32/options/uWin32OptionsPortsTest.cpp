// The Windows adapters behind the options dialog. Sockets are opened on the loopback only, and
// the execution state is set and withdrawn on a thread of the test's own, which takes its state
// with it when it ends.

#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "app/uOptionsInput.h"
#include "app/uSleepPrevention.h"
#include "platform/win32/uWin32ExecutionState.h"
#include "platform/win32/uWin32LocalNetwork.h"
#include "platform/win32/uWin32SystemVersion.h"
#include "platform/win32/uWin32Winsock.h"

#include <ws2tcpip.h>

namespace {

// A listener of "another application" on a free loopback port.
class TLoopbackListener {
 public:
  TLoopbackListener() : FSocket(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {
    sockaddr_in Endpoint{};
    Endpoint.sin_family = AF_INET;
    Endpoint.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    Endpoint.sin_port = 0;
    if (!FSocket.Valid() ||
        bind(FSocket.get(), reinterpret_cast<sockaddr*>(&Endpoint), sizeof Endpoint) != 0 ||
        listen(FSocket.get(), 1) != 0)
      return;
    int Length = sizeof Endpoint;
    if (getsockname(FSocket.get(), reinterpret_cast<sockaddr*>(&Endpoint), &Length) == 0)
      FPort = ntohs(Endpoint.sin_port);
  }
  std::uint16_t Port() const { return FPort; }

 private:
  TWinsockSession FSession;
  TSocketHandle FSocket;
  std::uint16_t FPort = 0;
};

TEST(Win32LocalNetworkTest, APortIsAvailableOnlyWhileNobodyListensOnIt) {
  TWin32LocalNetwork Network;
  std::uint16_t Port = 0;
  {
    TLoopbackListener Other;
    Port = Other.Port();
    ASSERT_NE(Port, 0);
    EXPECT_FALSE(Network.CanListen("127.0.0.1", Port));
  }
  EXPECT_TRUE(Network.CanListen("127.0.0.1", Port)) << "free again once the other closed";
  EXPECT_TRUE(Network.CanListen("127.0.0.1", Port)) << "the check itself leaves nothing behind";
}

TEST(Win32LocalNetworkTest, AddressesThatCannotBeListenedOnAreNotAvailable) {
  TWin32LocalNetwork Network;
  EXPECT_FALSE(Network.CanListen("192.0.2.1", 8080)) << "not an address of this computer";
  EXPECT_FALSE(Network.CanListen("not an address", 8080));
  EXPECT_FALSE(Network.CanListen("", 8080));
}

TEST(Win32LocalNetworkTest, TheHostNamesAddressesAreDottedIPv4) {
  TWin32LocalNetwork Network;
  const std::vector<std::string> Addresses = Network.HostIPv4Addresses();
  for (const std::string& Address : Addresses)
    EXPECT_TRUE(IsIPAddressCorrect(Address)) << Address;
  EXPECT_EQ(std::set<std::string>(Addresses.begin(), Addresses.end()).size(), Addresses.size());
}

TEST(Win32ExecutionStateTest, TheRequestIsSetAndWithdrawnOnTheCallingThread) {
  std::thread Worker([] {
    TWin32ExecutionState State;
    ASSERT_TRUE(State.SetThreadExecutionState(kEsContinuous | kEsSystemRequired));
    EXPECT_EQ(State.SetThreadExecutionState(kEsContinuous),
              std::optional<std::uint32_t>(kEsContinuous | kEsSystemRequired));

    TWin32SystemVersion Version;
    TSleepPrevention Prevention(State, Version);
    EXPECT_TRUE(Prevention.PreventSystemSleep());
    EXPECT_TRUE(Prevention.AllowSystemSleep());
    EXPECT_FALSE(Prevention.Preventing());
  });
  Worker.join();
}

}  // namespace
