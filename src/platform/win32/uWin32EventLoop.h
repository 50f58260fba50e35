#pragma once

#include <map>
#include <memory>

#include "platform/uEventLoop.h"
#include "platform/win32/uWin32Handles.h"

// The GUI thread's loop on Windows: SetTimer timers on a private window, and one hidden
// top-level window per message window. Message-only windows would be lighter, but they never
// see broadcasts such as WM_POWERBROADCAST, which the power monitor relies on.
class TWin32EventLoop : public TEventLoop {
 public:
  TWin32EventLoop();
  ~TWin32EventLoop() override;

  std::uint32_t TickCount32() override;
  std::uint64_t TickCount64() override;
  TDateTime Now() override;
  std::unique_ptr<TLoopTimer> CreateTimer(std::function<void()> OnTick) override;
  std::unique_ptr<TMessageWindow> CreateMessageWindow(TWindowMessageHandler Handler) override;
  void ProcessMessages() override;
  bool Wait(std::uint32_t Milliseconds) override;

  // Runs the thread's message loop until WM_QUIT and returns its exit code.
  int Run();

  // Sees every message the loop takes before it is dispatched (keyboard accelerators, dialog
  // navigation); true when it handled the message.
  std::function<bool(MSG&)> PreTranslateMessage;

  // Reports an error that escaped a handler; window procedures must not let it unwind into
  // the system.
  void ReportException(std::exception_ptr Error) noexcept;

 private:
  class TWin32Timer;
  class TWin32MessageWindow;
  static LRESULT CALLBACK TimerWindowProc(HWND Window, UINT Msg, WPARAM WParam,
                                          LPARAM LParam) noexcept;
  static LRESULT CALLBACK MessageWindowProc(HWND Window, UINT Msg, WPARAM WParam,
                                            LPARAM LParam) noexcept;

  TWindowClass FTimerClass;
  TWindowClass FMessageClass;
  TWindowHandle FTimerWindow;
  UINT_PTR FNextTimerId = 1;
  std::map<UINT_PTR, TWin32Timer*> FTimers;
};
