#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/uEventLoop.h"

// A timer of the GUI thread's loop that remembers when it was last armed. It is created disabled
// with StartTick 0; every time it is armed while enabled (enabling it, or changing its interval
// or handler while enabled) StartTick becomes the current 64-bit tick count.
class TTimerEx {
 public:
  explicit TTimerEx(TEventLoop& Loop);
  ~TTimerEx();
  TTimerEx(const TTimerEx&) = delete;
  TTimerEx& operator=(const TTimerEx&) = delete;

  std::uint32_t Interval() const { return FInterval; }
  void SetInterval(std::uint32_t Milliseconds);

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);

  void SetOnTimer(std::function<void()> Handler);

  std::uint64_t StartTick() const { return FStartTick; }

  // Milliseconds since StartTick while enabled, as a signed 32-bit difference clamped at 0;
  // 0 while disabled.
  std::uint32_t Elapsed() const;

 private:
  void Rearm();
  void Tick();

  TEventLoop& FLoop;
  std::unique_ptr<TLoopTimer> FTimer;
  std::function<void()> FOnTimer;
  std::uint32_t FInterval = 1000;
  bool FEnabled = false;
  std::uint64_t FStartTick = 0;
};
