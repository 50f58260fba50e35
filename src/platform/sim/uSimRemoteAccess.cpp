#include "platform/sim/uSimRemoteAccess.h"

#include <algorithm>

namespace {
// What the system answers when the buffer holds fewer entries than there are connections.
constexpr std::uint32_t kErrorBufferTooSmall = 603;
constexpr std::size_t kEntriesAskedFor = 8;
}  // namespace

std::optional<std::vector<std::uintptr_t>> TSimRemoteAccess::EnumConnections() {
  if (!LibraryPresent || Connections.size() > kEntriesAskedFor)
    return std::nullopt;
  return Connections;
}

std::uint32_t TSimRemoteAccess::HangUp(std::uintptr_t Connection) {
  HungUp.push_back(Connection);
  const bool Fails = std::find(FailingConnections.begin(), FailingConnections.end(), Connection) !=
                     FailingConnections.end();
  return Fails ? kErrorBufferTooSmall + 65 : 0;
}
