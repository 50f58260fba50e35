#include "platform/sim/uSimPing.h"

#include <charconv>

#include "core/uStringUtils.h"

namespace {

// Four decimal numbers of 0 to 255 joined by dots.
std::optional<TIPv4Address> ParseDottedAddress(std::string_view Text) {
  TIPv4Address Address{};
  const std::vector<std::string> Parts = SplitText(Text, '.');
  if (Parts.size() != 4)
    return std::nullopt;
  for (std::size_t I = 0; I < 4; ++I) {
    unsigned Value = 0;
    const auto& Part = Parts[I];
    const auto [End, Error] = std::from_chars(Part.data(), Part.data() + Part.size(), Value);
    if (Part.empty() || Error != std::errc() || End != Part.data() + Part.size() || Value > 255)
      return std::nullopt;
    Address[I] = static_cast<std::uint8_t>(Value);
  }
  return Address;
}

}  // namespace

bool TSimPingSystem::LoadIcmpLibrary() {
  std::lock_guard Lock(FLock);
  return FLibraryPresent;
}

std::optional<TIPv4Address> TSimPingSystem::ResolveHostAddress(const std::string& Host) {
  std::lock_guard Lock(FLock);
  FResolved.push_back(Host);
  if (auto Address = ParseDottedAddress(Host))
    return Address;
  auto It = FHosts.find(LowerCaseAscii(Host));
  if (It == FHosts.end())
    return std::nullopt;
  return It->second;
}

std::optional<TEchoReply> TSimPingSystem::SendEcho(const TIPv4Address& Address,
                                                   std::span<const std::uint8_t> Data,
                                                   std::uint32_t TimeoutMs) {
  std::unique_lock Lock(FLock);
  FEchoRequests.push_back({Address, std::string(Data.begin(), Data.end()), TimeoutMs});
  if (FHolding) {
    ++FHeld;
    FChanged.notify_all();
    FChanged.wait(Lock, [this] { return !FHolding; });
    --FHeld;
  }
  auto It = FReplies.find(Address);
  if (It == FReplies.end())
    return std::nullopt;
  return It->second;
}

void TSimPingSystem::SetLibraryPresent(bool Present) {
  std::lock_guard Lock(FLock);
  FLibraryPresent = Present;
}

void TSimPingSystem::AddHost(const std::string& Name, const TIPv4Address& Address) {
  std::lock_guard Lock(FLock);
  FHosts[LowerCaseAscii(Name)] = Address;
}

void TSimPingSystem::SetReply(const TIPv4Address& Address, std::optional<TEchoReply> Reply) {
  std::lock_guard Lock(FLock);
  if (Reply)
    FReplies[Address] = *Reply;
  else
    FReplies.erase(Address);
}

void TSimPingSystem::Hold() {
  std::lock_guard Lock(FLock);
  FHolding = true;
}

void TSimPingSystem::Release() {
  std::lock_guard Lock(FLock);
  FHolding = false;
  FChanged.notify_all();
}

bool TSimPingSystem::WaitForHeld(std::size_t Count, std::chrono::milliseconds Limit) {
  std::unique_lock Lock(FLock);
  return FChanged.wait_for(Lock, Limit, [&] { return FHeld >= Count; });
}

std::vector<std::string> TSimPingSystem::Resolved() const {
  std::lock_guard Lock(FLock);
  return FResolved;
}

std::vector<TSimPingSystem::TEchoRequest> TSimPingSystem::EchoRequests() const {
  std::lock_guard Lock(FLock);
  return FEchoRequests;
}
