#pragma once

#include "platform/uPowerSession.h"

class TSimMachine;

// Power and session calls of the simulated machine: recorded, never carried out.
class TSimPowerSession : public TPowerSession {
 public:
  explicit TSimPowerSession(TSimMachine& Machine) : FMachine(Machine) {}

  TPrivilegeAdjustment AdjustTokenPrivilege(const std::string& Name, bool Enable) override;
  bool ShutdownMachine(const std::optional<std::string>& Message, std::uint32_t TimeoutSeconds,
                       bool ForceAppsClosed, bool RebootAfterShutdown,
                       std::uint32_t Reason) override;
  bool ExitWindowsEx(std::uint32_t Flags, std::uint32_t Reason) override;
  bool SetSuspendState(bool Hibernate, bool ForceCritical, bool DisableWakeEvent) override;
  bool LockWorkStation() override;

 private:
  TSimMachine& FMachine;
};
