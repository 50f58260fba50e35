#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Dial-up (remote access) connections.
class TRemoteAccess {
 public:
  virtual ~TRemoteAccess() = default;
  // The handles of the active connections in the system's order; nothing when they cannot be
  // listed: no remote-access library, more connections than the program asks for (8), or any
  // other error.
  virtual std::optional<std::vector<std::uintptr_t>> EnumConnections() = 0;
  // 0 when the connection was ended, otherwise the system's error code.
  virtual std::uint32_t HangUp(std::uintptr_t Connection) = 0;
};
