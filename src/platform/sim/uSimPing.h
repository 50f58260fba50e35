#pragma once

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/uPingSystem.h"

// Pings on the simulated machine, for native tests that run real ping workers. Every member is
// safe to call from any thread. Dotted addresses resolve to themselves, names only when a test
// added them; an address answers as a test scripted it, and by default not at all. Nothing here
// waits for a time-out: a request without a reply returns at once, unless the test holds it.
class TSimPingSystem : public TPingSystem {
 public:
  struct TEchoRequest {
    TIPv4Address Address{};
    std::string Data;
    std::uint32_t TimeoutMs = 0;
  };

  bool LoadIcmpLibrary() override;
  std::string IcmpLibraryName() const override { return "icmp.dll"; }
  std::optional<TIPv4Address> ResolveHostAddress(const std::string& Host) override;
  std::optional<TEchoReply> SendEcho(const TIPv4Address& Address,
                                     std::span<const std::uint8_t> Data,
                                     std::uint32_t TimeoutMs) override;

  void SetLibraryPresent(bool Present);
  // The name resolves (without regard to letter case) to the address.
  void AddHost(const std::string& Name, const TIPv4Address& Address);
  // What echo requests to the address get back; none: no reply.
  void SetReply(const TIPv4Address& Address, std::optional<TEchoReply> Reply);

  // While held, echo requests wait inside SendEcho until Release, so a test can stop or destroy
  // the event that sent them while they are out.
  void Hold();
  void Release();
  // Waits until so many requests are being held; false when that does not happen in time.
  bool WaitForHeld(std::size_t Count, std::chrono::milliseconds Limit);

  // What the workers asked, in the order they asked it.
  std::vector<std::string> Resolved() const;
  std::vector<TEchoRequest> EchoRequests() const;

 private:
  mutable std::mutex FLock;
  std::condition_variable FChanged;
  bool FLibraryPresent = true;
  bool FHolding = false;
  std::size_t FHeld = 0;
  std::map<std::string, TIPv4Address> FHosts;  // lower-case names
  std::map<TIPv4Address, TEchoReply> FReplies;
  std::vector<std::string> FResolved;
  std::vector<TEchoRequest> FEchoRequests;
};
