#pragma once

#include "core/uPlannerEvents.h"

// Checks the battery's charge and the power supply every 5 seconds; triggered while every chosen
// condition holds.
class TKoEventBattery : public TKoEventObject {
 public:
  using TKoEventObject::TKoEventObject;

  struct TConfig {
    bool CheckBatteryLevel = true;
    bool CheckPowerSupplyState = true;
    bool BatteryLevelBelow = true;  // false: above
    int BatteryLevelPercentage = 5;
    bool PowerSupplyStateOnline = false;  // false: on battery
  };

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetStatusText() const override;
  std::string GetDescription() const override;

  const TConfig& Config() const { return FConfig; }
  int BatteryLevel() const { return FBatteryLevel; }
  bool OnBattery() const { return FOnBattery; }
  bool Measured() const { return FMeasured; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  void DoStart() override;
  void TimerTick() override;

 private:
  bool ConditionMet() const;

  TConfig FConfig;
  int FBatteryLevel = -1;
  bool FOnBattery = false;
  bool FMeasured = false;
};
