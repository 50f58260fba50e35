#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The display's power and the screen saver, which Windows switches on a system command that one
// of the program's own windows passes to the system; and the folder where the system's screen
// savers live.
class TDisplay {
 public:
  virtual ~TDisplay() = default;

  // SendMessage WM_SYSCOMMAND with Command and Value to the program's main window, or, when it
  // has none, to a temporary window made for the purpose. The message's result; none when there
  // is no window to send it to.
  virtual std::optional<std::intptr_t> SendSystemCommand(std::uint32_t Command,
                                                         std::intptr_t Value) = 0;
  // A mouse movement of no distance (MOUSEEVENTF_MOVE with all values 0), which counts as input.
  virtual void NudgeMouse() = 0;
  // The system folder (GetSystemDirectoryW); empty when it cannot be read.
  virtual std::string SystemDirectory() = 0;
};
