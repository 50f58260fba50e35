#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

#include "core/uDateTime.h"

// One window message as it reaches a message window's handler. A handler that answers the
// message sets Handled (and Result when the message has one); unhandled messages get the
// system's default processing.
struct TWindowMessage {
  std::uint32_t Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
  bool Handled = false;
};

using TWindowMessageHandler = std::function<void(TWindowMessage&)>;

// A timer of the GUI thread's loop: once armed it calls its tick handler every interval, on the
// GUI thread, until it is disarmed or destroyed.
class TLoopTimer {
 public:
  virtual ~TLoopTimer() = default;
  virtual void Arm(std::uint32_t IntervalMs) = 0;
  virtual void Disarm() = 0;
};

// A hidden top-level window of the GUI thread: it receives what is posted to it and what the
// system broadcasts to top-level windows.
class TMessageWindow {
 public:
  virtual ~TMessageWindow() = default;
  // Callable from any thread; the message reaches the handler on the window's thread.
  [[nodiscard]] virtual bool Post(std::uint32_t Msg, std::uintptr_t WParam,
                                  std::intptr_t LParam) = 0;
  virtual std::uintptr_t Handle() const = 0;
};

// What the program needs of the GUI thread's event loop: clocks, timers, message windows and a
// way to let pending messages through while waiting.
class TEventLoop {
 public:
  virtual ~TEventLoop() = default;

  // Milliseconds since the system started, as the 32-bit count that wraps after 49.7 days and as
  // the 64-bit count that does not.
  virtual std::uint32_t TickCount32() = 0;
  virtual std::uint64_t TickCount64() = 0;
  // The local date and time.
  virtual TDateTime Now() = 0;

  virtual std::unique_ptr<TLoopTimer> CreateTimer(std::function<void()> OnTick) = 0;
  // No window when the system cannot make one.
  virtual std::unique_ptr<TMessageWindow> CreateMessageWindow(TWindowMessageHandler Handler) = 0;

  // Handles the messages that are waiting, without blocking; waits that must keep the user
  // interface alive call it.
  virtual void ProcessMessages() = 0;

  // Lets Milliseconds pass while windows, timers and posted messages keep being served, so a
  // long pause never leaves the program "not responding". Returns early, false, when the
  // program was asked to quit meanwhile.
  virtual bool Wait(std::uint32_t Milliseconds) = 0;

  // Errors that escape a timer or message handler go here instead of unwinding through the
  // loop (the application shows them); without a handler they are rethrown or dropped by the
  // loop as it sees fit.
  using TExceptionHandler = std::function<void(std::exception_ptr)>;
  void SetExceptionHandler(TExceptionHandler Handler) { FOnException = std::move(Handler); }

 protected:
  TExceptionHandler FOnException;
};
