#pragma once

#include <cstdint>

#include "core/uPlannerEvents.h"
#include "events/uCircularSeries.h"
#include "events/uWMI.h"

// Triggers when the transfer rate of all logical disks together has stayed below a limit in KB/s
// for a number of consecutive seconds, read from the disk performance counters through WMI.
class TKoEventHardDiskUsage : public TKoEventObject {
 public:
  using TKoEventObject::TKoEventObject;

  struct TConfig {
    int Usage = 1024;  // KB/s
    int Seconds = 10;
    int Direction = 0;  // 1 read, 2 write, anything else both
    bool UseAverage = false;
  };

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetStatusText() const override;
  std::string GetDescription() const override;

  TConfig& Config() { return FConfig; }
  const TConfig& Config() const { return FConfig; }
  long double CurrentRate() const { return FCurrentRate; }
  int Counter() const { return FCounter; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  void DoStart() override;
  void DoStop() override;
  void TimerTick() override;

 private:
  long double ReadRate();

  TConfig FConfig;
  TNumericCircularSeries FSeries;
  std::unique_ptr<TWMIHelper> FWMI;
  TLogicalDiskRawData FPrevious;
  TLogicalDiskRawData FCurrent;
  long double FCurrentRate = -1;
  std::int32_t FCounter = 0;
};
