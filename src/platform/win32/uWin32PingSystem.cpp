#include "platform/win32/uWin32PingSystem.h"

#include <cstring>
#include <vector>

#include "platform/win32/uWin32Library.h"
#include "platform/win32/uWindows.h"
#include "platform/win32/uWin32Winsock.h"

#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <icmpapi.h>

struct TWin32PingSystem::TIcmpFunctions {
  using TIcmpCreateFile = HANDLE(WINAPI*)();
  using TIcmpCloseHandle = BOOL(WINAPI*)(HANDLE);
  using TIcmpSendEcho = DWORD(WINAPI*)(HANDLE, IPAddr, LPVOID, WORD, PIP_OPTION_INFORMATION, LPVOID,
                                       DWORD, DWORD);
  TIcmpCreateFile CreateFile = nullptr;
  TIcmpCloseHandle CloseHandle = nullptr;
  TIcmpSendEcho SendEcho = nullptr;
};

namespace {

struct TAddressInfoDeleter {
  void operator()(addrinfo* Info) const noexcept { freeaddrinfo(Info); }
};

}  // namespace

TWin32PingSystem::TWin32PingSystem() = default;
TWin32PingSystem::~TWin32PingSystem() = default;

bool TWin32PingSystem::LoadIcmpLibrary() {
  std::call_once(FLoadOnce, [this] {
    FLibrary = std::make_unique<TDynamicLibrary>(L"icmp.dll");
    auto Functions = std::make_unique<TIcmpFunctions>();
    Functions->CreateFile = FLibrary->Function<TIcmpFunctions::TIcmpCreateFile>("IcmpCreateFile");
    Functions->CloseHandle =
        FLibrary->Function<TIcmpFunctions::TIcmpCloseHandle>("IcmpCloseHandle");
    Functions->SendEcho = FLibrary->Function<TIcmpFunctions::TIcmpSendEcho>("IcmpSendEcho");
    if (Functions->CreateFile && Functions->CloseHandle && Functions->SendEcho)
      FFunctions = std::move(Functions);
  });
  return FFunctions != nullptr;
}

std::optional<TIPv4Address> TWin32PingSystem::ResolveHostAddress(const std::string& Host) {
  TWinsockSession Session;
  if (!Session.Started())
    return std::nullopt;
  addrinfo Hints{};
  Hints.ai_family = AF_INET;
  addrinfo* Found = nullptr;
  if (getaddrinfo(Host.c_str(), nullptr, &Hints, &Found) != 0 || !Found)
    return std::nullopt;
  const std::unique_ptr<addrinfo, TAddressInfoDeleter> Owner(Found);
  for (const addrinfo* Entry = Found; Entry; Entry = Entry->ai_next) {
    if (Entry->ai_family != AF_INET || Entry->ai_addrlen < sizeof(sockaddr_in))
      continue;
    const auto* Socket = reinterpret_cast<const sockaddr_in*>(Entry->ai_addr);
    TIPv4Address Address;
    std::memcpy(Address.data(), &Socket->sin_addr, Address.size());
    return Address;
  }
  return std::nullopt;
}

std::optional<TEchoReply> TWin32PingSystem::SendEcho(const TIPv4Address& Address,
                                                     std::span<const std::uint8_t> Data,
                                                     std::uint32_t TimeoutMs) {
  if (!LoadIcmpLibrary() || Data.size() > 0xFFFF)
    return std::nullopt;
  const TIcmpFunctions& Icmp = *FFunctions;
  HANDLE Handle = Icmp.CreateFile();
  if (Handle == INVALID_HANDLE_VALUE)
    return std::nullopt;
  struct TCloser {
    const TIcmpFunctions& Icmp;
    HANDLE Handle;
    ~TCloser() { Icmp.CloseHandle(Handle); }
  } Closer{Icmp, Handle};

  IPAddr Destination;  // network byte order, as the octets are kept
  std::memcpy(&Destination, Address.data(), sizeof Destination);
  std::vector<std::uint8_t> Request(Data.begin(), Data.end());
  // One reply record of this process's own layout (it holds a pointer, so it is larger in a
  // 64-bit process), the echoed data, and room for an ICMP error message.
  std::vector<std::uint8_t> ReplyBuffer(sizeof(ICMP_ECHO_REPLY) + Data.size() + 8, 0);
  const DWORD Count =
      Icmp.SendEcho(Handle, Destination, Request.data(), static_cast<WORD>(Request.size()), nullptr,
                    ReplyBuffer.data(), static_cast<DWORD>(ReplyBuffer.size()), TimeoutMs);
  if (Count == 0)
    return std::nullopt;
  ICMP_ECHO_REPLY Reply;
  std::memcpy(&Reply, ReplyBuffer.data(), sizeof Reply);
  return TEchoReply{Reply.Status, Reply.RoundTripTime};
}
