#include "core/uTimer.h"

TTimerEx::TTimerEx(TEventLoop& Loop) : FLoop(Loop), FTimer(Loop.CreateTimer([this] { Tick(); })) {}

TTimerEx::~TTimerEx() {
  FTimer->Disarm();
}

void TTimerEx::SetInterval(std::uint32_t Milliseconds) {
  if (Milliseconds == FInterval)
    return;
  FInterval = Milliseconds;
  Rearm();
}

void TTimerEx::SetEnabled(bool Value) {
  if (Value == FEnabled)
    return;
  FEnabled = Value;
  Rearm();
}

void TTimerEx::SetOnTimer(std::function<void()> Handler) {
  FOnTimer = std::move(Handler);
  Rearm();
}

std::uint32_t TTimerEx::Elapsed() const {
  if (!FEnabled)
    return 0;
  auto Difference =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(FLoop.TickCount64() - FStartTick));
  return Difference < 0 ? 0 : static_cast<std::uint32_t>(Difference);
}

void TTimerEx::Rearm() {
  FTimer->Disarm();
  if (!FEnabled)
    return;
  FStartTick = FLoop.TickCount64();
  // A zero interval or a missing handler leaves the timer enabled but silent.
  if (FInterval > 0 && FOnTimer)
    FTimer->Arm(FInterval);
}

void TTimerEx::Tick() {
  if (FEnabled && FOnTimer)
    FOnTimer();
}
