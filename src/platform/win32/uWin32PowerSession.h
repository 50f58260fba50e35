#pragma once

#include "platform/uPowerSession.h"

// The real power and session calls. Each call loads its system library, binds the function by
// name and frees the library again, so a system without it gives false.
class TWin32PowerSession : public TPowerSession {
 public:
  TPrivilegeAdjustment AdjustTokenPrivilege(const std::string& Name, bool Enable) override;
  bool ShutdownMachine(const std::optional<std::string>& Message, std::uint32_t TimeoutSeconds,
                       bool ForceAppsClosed, bool RebootAfterShutdown,
                       std::uint32_t Reason) override;
  bool ExitWindowsEx(std::uint32_t Flags, std::uint32_t Reason) override;
  bool SetSuspendState(bool Hibernate, bool ForceCritical, bool DisableWakeEvent) override;
  bool LockWorkStation() override;
};
