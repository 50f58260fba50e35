#pragma once

#include <functional>
#include <memory>

#include "app/uTrayIcon.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32Handles.h"

// The program's main window: hosts the planner's lists and owns the tray icon.
class TForm_Main {
 public:
  explicit TForm_Main(HINSTANCE Instance);
  ~TForm_Main();
  TForm_Main(const TForm_Main&) = delete;
  TForm_Main& operator=(const TForm_Main&) = delete;

  // False when the window cannot be made.
  [[nodiscard]] bool Create(int ShowCommand);
  HWND Handle() const { return FWindow.get(); }

  // Restores the window (also from the tray) and brings it to the front.
  void ShowAndBringToFront();

  // The preset named on the command line has loaded and the main loop runs: start the planner.
  std::function<void()> OnStartAfterPreset;

 private:
  static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept;
  LRESULT HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  void HandleTrayMessage(UINT Event);

  HINSTANCE FInstance;
  TIconHandle FLargeIcon;
  TIconHandle FSmallIcon;
  TWindowClass FClass;
  TWindowHandle FWindow;
  std::unique_ptr<TTrayIcon> FTrayIcon;
};
