#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/sim/uSimEventLoop.h"
#include "platform/uUserInput.h"

class TSimHookLibrary;

// The user at the simulated machine, in the loop's virtual time: a key press or a mouse move
// moves the system's last-input time, reaches every installed low-level hook at once, and is seen
// by the hook library while one of its hooks runs.
class TSimUserInput : public TUserInput {
 public:
  // The last input is at the loop's current tick.
  explicit TSimUserInput(TSimEventLoop& Loop);
  ~TSimUserInput() override;

  void PressKey() { Input(TInputHookKind::Keyboard); }
  void MoveMouse() { Input(TInputHookKind::Mouse); }

  // The system's script.
  bool LastInputAvailable = true;  // GetLastInputInfo exists and answers
  bool HooksInstall = true;        // SetWindowsHookEx accepts low-level hooks

  // The hook library's script.
  bool HookLibraryPresent = true;
  std::set<std::string> MissingExports;
  // The library keeps its own millisecond clock, this far ahead of the tick count.
  std::uint32_t HookLibraryClockOffset = 0;

  // What happened.
  std::size_t InstalledHookCount() const { return FHooks.size(); }
  int HookLibraryLoads = 0;
  int StartHookCalls = 0;
  int StopHookCalls = 0;

  std::optional<std::uint32_t> LastInputTick() override;
  std::unique_ptr<TInputHook> InstallHook(TInputHookKind Kind,
                                          std::function<void()> OnInput) override;
  THookLibrary* HookLibrary(const std::string& FileName) override;

 private:
  friend class TSimHookLibrary;
  class TSimHook;
  void Input(TInputHookKind Kind);

  TSimEventLoop& FLoop;
  std::uint32_t FLastInput;
  std::uint64_t FNextHook = 1;
  std::map<std::uint64_t, std::pair<TInputHookKind, std::function<void()>>> FHooks;
  std::unique_ptr<TSimHookLibrary> FLibrary;
};
