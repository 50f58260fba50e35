#pragma once

#include <memory>
#include <mutex>

#include "platform/uPingSystem.h"

class TDynamicLibrary;

// Echo requests through "icmp.dll" (IcmpCreateFile, IcmpSendEcho, IcmpCloseHandle), bound by name
// once, and name resolution through Windows Sockets. Safe for many threads at once: each call
// opens and closes its own ICMP handle and socket session.
class TWin32PingSystem : public TPingSystem {
 public:
  TWin32PingSystem();
  ~TWin32PingSystem() override;

  bool LoadIcmpLibrary() override;
  std::string IcmpLibraryName() const override { return "icmp.dll"; }
  std::optional<TIPv4Address> ResolveHostAddress(const std::string& Host) override;
  std::optional<TEchoReply> SendEcho(const TIPv4Address& Address,
                                     std::span<const std::uint8_t> Data,
                                     std::uint32_t TimeoutMs) override;

 private:
  struct TIcmpFunctions;
  std::once_flag FLoadOnce;
  std::unique_ptr<TDynamicLibrary> FLibrary;
  std::unique_ptr<TIcmpFunctions> FFunctions;  // set once, when every function was found
};
