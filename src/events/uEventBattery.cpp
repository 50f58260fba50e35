#include "events/uEventBattery.h"

#include <string>
#include <vector>

#include "core/uFormat.h"
#include "core/uPlannerEventsStrings.h"
#include "events/uEventStrings.h"
#include "events/uPowerStatus.h"

namespace {

std::string Percent(int Value) {
  return std::to_string(Value) + "%";
}

std::string JoinParts(const std::vector<std::string>& Parts) {
  std::string Text;
  for (const auto& Part : Parts) {
    if (!Text.empty())
      Text += ", ";
    Text += Part;
  }
  return Text;
}

}  // namespace

void TKoEventBattery::InitIdentity() {
  FID = "Battery";
  FName = ResStr(uplannerevents::name_event_battery);
}

void TKoEventBattery::SetDefaults() {
  FConfig = TConfig{};
}

void TKoEventBattery::SaveConfig(TQueryStr& Config) const {
  Config.WriteBool("CheckBatteryLevel", FConfig.CheckBatteryLevel);
  Config.WriteBool("BatteryLevelBelow", FConfig.BatteryLevelBelow);
  Config.WriteInteger("BatteryLevelPercentage", FConfig.BatteryLevelPercentage);
  Config.WriteBool("CheckPowerSupplyState", FConfig.CheckPowerSupplyState);
  Config.WriteBool("PowerSupplyStateOnline", FConfig.PowerSupplyStateOnline);
}

void TKoEventBattery::LoadConfig(const TQueryStr& Config) {
  // The kind once called "BatteryLow" had a percentage and an "offline only" switch.
  if (Config.HasKey("Percentage")) {
    FConfig.CheckBatteryLevel = true;
    FConfig.BatteryLevelBelow = true;
    FConfig.BatteryLevelPercentage = Config.ReadInteger("Percentage");
    FConfig.CheckPowerSupplyState = Config.ReadBool("OfflineOnly");
    FConfig.PowerSupplyStateOnline = false;
    return;
  }
  FConfig.CheckBatteryLevel = Config.ReadBool("CheckBatteryLevel");
  FConfig.BatteryLevelBelow = Config.ReadBool("BatteryLevelBelow");
  FConfig.BatteryLevelPercentage = Config.ReadInteger("BatteryLevelPercentage");
  FConfig.CheckPowerSupplyState = Config.ReadBool("CheckPowerSupplyState");
  FConfig.PowerSupplyStateOnline = Config.ReadBool("PowerSupplyStateOnline");
}

std::string TKoEventBattery::GetDescription() const {
  std::vector<std::string> Parts;
  if (FConfig.CheckBatteryLevel)
    Parts.push_back(
        Format(ResStr(FConfig.BatteryLevelBelow ? uplannerevents::seventlevelbelowvalue
                                                : uplannerevents::seventlevelabovevalue),
               {Percent(FConfig.BatteryLevelPercentage)}));
  if (FConfig.CheckPowerSupplyState)
    Parts.push_back(ResStr(FConfig.PowerSupplyStateOnline
                               ? uplannerevents::seventpowersupplyonline
                               : uplannerevents::seventpowersupplyoffline));
  return JoinParts(Parts);
}

std::string TKoEventBattery::GetStatusText() const {
  if (!Timer().Enabled() || !FMeasured)
    return {};
  std::vector<std::string> Parts;
  if (FConfig.CheckBatteryLevel)
    Parts.push_back(FBatteryLevel == -1 ? ResStr(uplannerevents::seventbatterylevelunknown)
                                        : Format(ResStr(uplannerevents::seventbatterylevelvalue),
                                                 {Percent(FBatteryLevel)}));
  // What was measured, not what is wanted.
  if (FConfig.CheckPowerSupplyState)
    Parts.push_back(ResStr(FOnBattery ? uplannerevents::seventpowersupplyoffline
                                      : uplannerevents::seventpowersupplyonline));
  return JoinParts(Parts);
}

void TKoEventBattery::DoStart() {
  FMeasured = false;
  FBatteryLevel = -1;
  FOnBattery = false;
  Timer().SetInterval(5000);
  Timer().SetEnabled(true);
}

void TKoEventBattery::TimerTick() {
  FBatteryLevel = GetBatteryPercent(Services().PowerSystem);
  FOnBattery = IsOnBatteryPower(Services().PowerSystem);
  FMeasured = true;
  SetTriggered(ConditionMet());
}

bool TKoEventBattery::ConditionMet() const {
  if (!FMeasured)
    return false;
  if (!FConfig.CheckBatteryLevel && !FConfig.CheckPowerSupplyState)
    return false;
  if (FConfig.CheckBatteryLevel) {
    if (FBatteryLevel == -1)
      return false;
    const bool LevelHolds = FConfig.BatteryLevelBelow
                                ? FBatteryLevel < FConfig.BatteryLevelPercentage
                                : FBatteryLevel > FConfig.BatteryLevelPercentage;
    if (!LevelHolds)
      return false;
  }
  if (FConfig.CheckPowerSupplyState && FConfig.PowerSupplyStateOnline == FOnBattery)
    return false;
  return true;
}
