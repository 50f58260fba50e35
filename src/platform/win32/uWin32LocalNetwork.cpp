#include "platform/win32/uWin32LocalNetwork.h"

#include <algorithm>
#include <memory>

#include "platform/win32/uWin32Winsock.h"

#include <ws2tcpip.h>

namespace {

struct TAddressInfoDeleter {
  void operator()(addrinfo* Info) const noexcept { freeaddrinfo(Info); }
};

}  // namespace

bool TWin32LocalNetwork::CanListen(const std::string& Address, std::uint16_t Port) {
  TWinsockSession Session;
  if (!Session.Started())
    return false;
  sockaddr_in Endpoint{};
  Endpoint.sin_family = AF_INET;
  Endpoint.sin_port = htons(Port);
  if (inet_pton(AF_INET, Address.c_str(), &Endpoint.sin_addr) != 1)
    return false;
  // No socket options: the web server sets none on Windows either (SO_REUSEADDR would let it
  // share a port), so a bind that succeeds here succeeds there.
  const TSocketHandle Socket(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (!Socket.Valid())
    return false;
  return bind(Socket.get(), reinterpret_cast<const sockaddr*>(&Endpoint), sizeof Endpoint) == 0 &&
         listen(Socket.get(), SOMAXCONN) == 0;
}

std::vector<std::string> TWin32LocalNetwork::HostIPv4Addresses() {
  std::vector<std::string> Addresses;
  TWinsockSession Session;
  if (!Session.Started())
    return Addresses;
  // Host names reach 255 characters; a shorter buffer would make long names fail to resolve.
  char HostName[256] = {};
  if (gethostname(HostName, sizeof HostName) != 0)
    return Addresses;
  addrinfo Hints{};
  Hints.ai_family = AF_INET;
  Hints.ai_socktype = SOCK_STREAM;
  addrinfo* Found = nullptr;
  if (getaddrinfo(HostName, nullptr, &Hints, &Found) != 0 || !Found)
    return Addresses;
  const std::unique_ptr<addrinfo, TAddressInfoDeleter> Owner(Found);
  for (const addrinfo* Entry = Found; Entry; Entry = Entry->ai_next) {
    if (Entry->ai_family != AF_INET || Entry->ai_addrlen < sizeof(sockaddr_in))
      continue;
    const auto* Socket = reinterpret_cast<const sockaddr_in*>(Entry->ai_addr);
    char Text[INET_ADDRSTRLEN] = {};
    if (!inet_ntop(AF_INET, &Socket->sin_addr, Text, sizeof Text))
      continue;
    if (std::find(Addresses.begin(), Addresses.end(), Text) == Addresses.end())
      Addresses.emplace_back(Text);
  }
  return Addresses;
}
