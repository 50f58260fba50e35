#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What became of one attempt to change a privilege of the process token; the caller decides from
// it whether the privilege is now in the wanted state.
struct TPrivilegeAdjustment {
  bool TokenOpened = false;
  bool PrivilegeFound = false;
  bool AdjustReturned = false;  // AdjustTokenPrivileges returned non-zero
  std::uint32_t LastError = 0;  // the thread's last error right after that call
};

// The calls that end, suspend or lock the user's session. Functions that older systems lack are
// bound by name when called: a missing library or function makes the call report false.
class TPowerSession {
 public:
  virtual ~TPowerSession() = default;

  // Opens the current process token, looks the privilege up by name and sets it on or off.
  virtual TPrivilegeAdjustment AdjustTokenPrivilege(const std::string& Name, bool Enable) = 0;

  // InitiateSystemShutdownExA on this computer; no message when Message is empty.
  virtual bool ShutdownMachine(const std::optional<std::string>& Message,
                               std::uint32_t TimeoutSeconds, bool ForceAppsClosed,
                               bool RebootAfterShutdown, std::uint32_t Reason) = 0;
  virtual bool ExitWindowsEx(std::uint32_t Flags, std::uint32_t Reason) = 0;
  // Returns when the machine wakes up again, or at once when it cannot suspend.
  virtual bool SetSuspendState(bool Hibernate, bool ForceCritical, bool DisableWakeEvent) = 0;
  virtual bool LockWorkStation() = 0;
};
