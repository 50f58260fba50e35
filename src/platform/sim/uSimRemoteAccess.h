#pragma once

#include <string>
#include <vector>

#include "platform/uRemoteAccess.h"

// Scripted dial-up connections; records every hang-up.
class TSimRemoteAccess : public TRemoteAccess {
 public:
  std::optional<std::vector<std::uintptr_t>> EnumConnections() override;
  std::uint32_t HangUp(std::uintptr_t Connection) override;

  bool LibraryPresent = true;
  std::vector<std::uintptr_t> Connections;
  std::vector<std::uintptr_t> FailingConnections;  // HangUp answers an error for these
  std::vector<std::uintptr_t> HungUp;              // in call order
};
