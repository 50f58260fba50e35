#pragma once

#include <functional>

#include "platform/uDisplay.h"
#include "platform/win32/uWindows.h"

// System commands go to the window the application names (its main window, once there is one);
// before that, to a temporary window of our own, so the tray's quick actions and the command
// line work without a main window.
class TWin32Display : public TDisplay {
 public:
  explicit TWin32Display(std::function<HWND()> MainWindow = {})
      : FMainWindow(std::move(MainWindow)) {}

  std::optional<std::intptr_t> SendSystemCommand(std::uint32_t Command,
                                                 std::intptr_t Value) override;
  void NudgeMouse() override;
  std::string SystemDirectory() override;

 private:
  std::function<HWND()> FMainWindow;
};
