#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// An IPv4 address, most significant octet first: 127.0.0.1 is {127, 0, 0, 1}.
using TIPv4Address = std::array<std::uint8_t, 4>;

// The first reply record of an echo request.
struct TEchoReply {
  std::uint32_t Status = 0;  // 0 is success; anything else names what went wrong
  std::uint32_t RoundTripTime = 0;
};

// ICMP echo requests and host name resolution. Ping workers call it from their own threads, many
// at once, and may still be calling it after the event that started them is gone: the program
// shares one instance among them and it lives as long as the last of them holds it. Adapters
// keep no state between calls except the library they bind once.
class TPingSystem {
 public:
  virtual ~TPingSystem() = default;

  // Binds the system's ICMP library and its functions, once; false when the library or one of
  // its functions is missing. Called on the GUI thread before any worker pings.
  virtual bool LoadIcmpLibrary() = 0;
  // The library's file name, for the message that says it could not be loaded.
  virtual std::string IcmpLibraryName() const = 0;

  // The first IPv4 address of a host name or a dotted address; none when it does not resolve.
  virtual std::optional<TIPv4Address> ResolveHostAddress(const std::string& Host) = 0;

  // Sends one echo request carrying Data and waits at most TimeoutMs for the reply. None when no
  // reply came back, including when the request could not be sent at all.
  virtual std::optional<TEchoReply> SendEcho(const TIPv4Address& Address,
                                             std::span<const std::uint8_t> Data,
                                             std::uint32_t TimeoutMs) = 0;
};
