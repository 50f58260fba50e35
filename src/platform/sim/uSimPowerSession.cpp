#include "platform/sim/uSimPowerSession.h"

#include <cstdio>

#include "platform/sim/uSimMachine.h"

namespace {

const char* Bool(bool Value) {
  return Value ? "TRUE" : "FALSE";
}

std::string Hex(std::uint32_t Value) {
  char Buffer[16];
  std::snprintf(Buffer, sizeof Buffer, "0x%08X", Value);
  return Buffer;
}

constexpr std::uint32_t kNotAllAssigned = 1300;

// Windows 9x has no privileges; NT refuses to shut down or suspend without this one.
bool PrivilegeAllows(const TSimMachine& Machine) {
  return Machine.Version.PlatformId != 2 || Machine.ShutdownPrivilegeEnabled;
}

}  // namespace

TPrivilegeAdjustment TSimPowerSession::AdjustTokenPrivilege(const std::string& Name, bool Enable) {
  TPrivilegeAdjustment Outcome;
  if (!FMachine.TokenOpens) {
    FMachine.Record("OpenProcessToken failed");
    return Outcome;
  }
  Outcome.TokenOpened = true;
  if (Name != "SeShutdownPrivilege")
    return Outcome;
  Outcome.PrivilegeFound = true;
  Outcome.AdjustReturned = true;
  Outcome.LastError = FMachine.ShutdownPrivilegeHeld ? 0 : kNotAllAssigned;
  if (FMachine.ShutdownPrivilegeHeld)
    FMachine.ShutdownPrivilegeEnabled = Enable;
  FMachine.Record("AdjustTokenPrivileges " + Name + (Enable ? " enable" : " disable"));
  return Outcome;
}

bool TSimPowerSession::ShutdownMachine(const std::optional<std::string>& Message,
                                       std::uint32_t TimeoutSeconds, bool ForceAppsClosed,
                                       bool RebootAfterShutdown, std::uint32_t Reason) {
  if (!FMachine.InitiateSystemShutdownExists)
    return false;
  FMachine.Record(
      "InitiateSystemShutdownExA message=" + (Message ? '"' + *Message + '"' : std::string("nil")) +
      " timeout=" + std::to_string(TimeoutSeconds) + " force=" + Bool(ForceAppsClosed) +
      " reboot=" + Bool(RebootAfterShutdown) + " reason=" + Hex(Reason));
  return FMachine.PowerCallsSucceed && PrivilegeAllows(FMachine);
}

bool TSimPowerSession::ExitWindowsEx(std::uint32_t Flags, std::uint32_t Reason) {
  FMachine.Record("ExitWindowsEx flags=" + std::to_string(Flags) + " reason=" + Hex(Reason));
  // Logging off needs no privilege; shutting down and rebooting do.
  const bool NeedsPrivilege = (Flags & ~4u) != 0;
  return FMachine.PowerCallsSucceed && (!NeedsPrivilege || PrivilegeAllows(FMachine));
}

bool TSimPowerSession::SetSuspendState(bool Hibernate, bool ForceCritical, bool DisableWakeEvent) {
  if (!FMachine.SetSuspendStateExists)
    return false;
  FMachine.Record(std::string("SetSuspendState hibernate=") + Bool(Hibernate) +
                  " force=" + Bool(ForceCritical) + " disablewake=" + Bool(DisableWakeEvent));
  return FMachine.PowerCallsSucceed && PrivilegeAllows(FMachine);
}

bool TSimPowerSession::LockWorkStation() {
  if (!FMachine.LockWorkStationExists)
    return false;
  FMachine.Record("LockWorkStation");
  return FMachine.PowerCallsSucceed;
}
