#pragma once

#include <cstdint>
#include <memory>

#include "core/uPlannerEvents.h"
#include "events/uTimerInactivity.h"

// Triggered while the user has not touched the keyboard or mouse for a set time, measured by one
// of the engines of TTimerInactivity. It is a level: the first input untriggers it again.
class TKoEventUserInactive : public TKoEventObject {
 public:
  using TKoEventObject::TKoEventObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetStatusText() const override;
  std::string GetDescription() const override;

  // Seconds of inactivity needed. Compared as an unsigned count, so a negative value (only a
  // hand-edited preset has one) never triggers, and is kept as written.
  int Time() const { return FTime; }
  std::uint8_t Method() const { return FMethod; }
  const TTimerInactivity* InactivityTimer() const { return FInactivityTimer.get(); }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  void DoStart() override;
  void DoStop() override;
  void TimerTick() override;

 private:
  int FTime = 600;
  std::uint8_t FMethod = uaeLastInputInfo;
  std::unique_ptr<TTimerInactivity> FInactivityTimer;
};
