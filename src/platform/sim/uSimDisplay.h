#pragma once

#include <string>
#include <vector>

#include "platform/uDisplay.h"
#include "platform/uEventLoop.h"

// The simulated display: records each command with the virtual time it was sent at, so a test
// sees the pause before it, and answers from a script.
class TSimDisplay : public TDisplay {
 public:
  explicit TSimDisplay(TEventLoop& Loop) : FLoop(Loop) {}

  std::optional<std::intptr_t> SendSystemCommand(std::uint32_t Command,
                                                 std::intptr_t Value) override;
  void NudgeMouse() override;
  std::string SystemDirectory() override { return SystemFolder; }

  bool HasCommandWindow = true;  // false: neither a main window nor a temporary one
  std::intptr_t CommandResult = 0;
  std::string SystemFolder;
  // "at <ms> ms: WM_SYSCOMMAND SC_MONITORPOWER 2", "at <ms> ms: mouse_event MOUSEEVENTF_MOVE 0 0"
  std::vector<std::string> Calls;

 private:
  TEventLoop& FLoop;
};
