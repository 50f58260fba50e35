#pragma once

#include <chrono>

#include "core/uDateTime.h"
#include "core/uPlannerEvents.h"

// What On Time and Weekly share: a time of day, a target moment computed at start, a check once
// a second against the clock (so clock changes are seen at the next tick) and the time left.
class TKoEventAtTime : public TKoEventObject {
 public:
  using TKoEventObject::TKoEventObject;

  std::string GetStatusText() const override;

  std::chrono::milliseconds TimeOfDay() const { return FTime; }
  void SetTimeOfDay(std::chrono::milliseconds Time) { FTime = Time; }
  TDateTime Target() const { return FTarget; }

 protected:
  virtual TDateTime ComputeTarget(TDateTime Now) const = 0;
  void DoStart() override;
  void TimerTick() override;
  TDateTime Now() const;

  std::chrono::milliseconds FTime{0};
  TDateTime FTarget{};
};
