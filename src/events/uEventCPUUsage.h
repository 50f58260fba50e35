#pragma once

#include <cstdint>

#include "core/uPlannerEvents.h"
#include "events/uCircularSeries.h"

// Triggers when the machine's CPU usage has stayed below (or above) a limit for a number of
// consecutive seconds, measured once a second by the shared CPU sampler.
class TKoEventCPUUsage : public TKoEventObject {
 public:
  using TKoEventObject::TKoEventObject;

  struct TConfig {
    bool Direction = false;  // false: below the limit, true: above
    int Usage = 5;           // percent
    int Seconds = 10;
    bool UseAverage = false;
  };

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetStatusText() const override;
  std::string GetDescription() const override;

  TConfig& Config() { return FConfig; }
  const TConfig& Config() const { return FConfig; }
  int CurrentUsage() const { return FCurrentUsage; }
  int Counter() const { return FCounter; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  void DoStart() override;
  void DoStop() override;
  void TimerTick() override;

 private:
  TConfig FConfig;
  TNumericCircularSeries FSeries;
  std::int32_t FCurrentUsage = 0;
  std::int32_t FCounter = 0;
  bool FSampleFailed = false;  // the last sample could not be read
};
