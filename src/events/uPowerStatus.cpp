#include "events/uPowerStatus.h"

#include "platform/uPowerSystem.h"

namespace {

constexpr std::uint8_t kNoSystemBattery = 128;
constexpr std::uint8_t kBatteryFlagUnknown = 255;

}  // namespace

int GetBatteryPercent(TPowerSystem* Power) {
  const auto Status = Power ? Power->ReadPowerStatus() : std::nullopt;
  if (!Status)
    return -1;
  if (Status->BatteryFlag != kBatteryFlagUnknown && (Status->BatteryFlag & kNoSystemBattery))
    return -1;
  // 255 is the documented "unknown"; anything else above 100 is no percentage either.
  if (Status->BatteryLifePercent > 100)
    return -1;
  return Status->BatteryLifePercent;
}

bool IsOnBatteryPower(TPowerSystem* Power) {
  const auto Status = Power ? Power->ReadPowerStatus() : std::nullopt;
  return Status && Status->ACLineStatus == 0;
}
