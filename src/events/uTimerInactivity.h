#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/uKoServices.h"
#include "events/uInputActivity.h"

class TEventLoop;

// How inactivity is measured. Configurations may hold any byte; values outside these three
// measure nothing.
enum TUserActivityEngine : std::uint8_t {
  uaeLastInputInfo = 0,  // the system's last-input time
  uaeLowLevelHook = 1,   // the program's own low-level keyboard and mouse hooks
  uaeInjectionHook = 2,  // the hook library beside the program
};

// The display name of an engine; empty for any other value.
std::string GetUserActivityEngineName(int Engine);

// The hook library, looked up by this name beside the program.
inline constexpr char kHookLibraryFileName[] = "Idlehook.dll";

// One measurement of user inactivity, armed at creation and disarmed when it goes. It counts from
// the later of the last input and its own creation, so input before the start never shortens a
// wait.
class TTimerInactivity {
 public:
  // Raises EKoException when a low-level hook measurement already runs in the process, or when
  // the hook library cannot be loaded or lacks one of its exports. Without an input port nothing
  // can be measured: the last-input engine reads 0, no hooks are installed and the library
  // counts as missing.
  TTimerInactivity(const TKoServices& Services, std::uint8_t Method);
  ~TTimerInactivity();
  TTimerInactivity(const TTimerInactivity&) = delete;
  TTimerInactivity& operator=(const TTimerInactivity&) = delete;

  std::uint8_t Method() const { return FMethod; }
  // Whole seconds since the last input, or since creation if that is later.
  std::uint32_t InactiveSeconds() const;

 private:
  void ArmInjectionHook();

  TEventLoop& FLoop;
  TUserInput* FInput;
  // The loop's 64-bit tick from which inactivity counts: creation, then every input for the
  // low-level hooks. 64 bits, so a measurement longer than the 32-bit wrap stays true.
  std::uint64_t FStartTick = 0;
  // The hook library's own time at creation (its clock need not be the tick count).
  std::uint32_t FStartTime = 0;
  std::unique_ptr<TInputActivityMonitor> FMonitor;
  THookLibrary* FLibrary = nullptr;
  std::uint8_t FMethod;
};
