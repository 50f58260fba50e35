#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/uPlannerEvents.h"

// What Window and Process share: a check every few seconds that sets the triggered level anew,
// and a status that tells how long ago the last check ran. The first check comes one interval
// after the start.
class TKoEventWatch : public TKoEventObject {
 public:
  using TKoEventObject::TKoEventObject;

  std::string GetStatusText() const override;

  // The longest interval a system timer takes, in whole seconds; longer ones are shortened.
  static constexpr int kLongestInterval = 0x7FFFFFFF / 1000;

 protected:
  // Forgets the last check, brings the interval into 1 second .. kLongestInterval and starts
  // the checks.
  void StartChecks(int& IntervalSeconds);
  // Whether the event is triggered now; none when the system could not tell, which leaves the
  // level and the time of the last check as they were.
  virtual std::optional<bool> Check() = 0;

 private:
  void TimerTick() final;

  bool FChecked = false;
  std::uint32_t FLastCheck = 0;  // 32-bit tick count of the last check
};
