#pragma once

#include <cstdint>
#include <memory>
#include <optional>

// GetSystemPowerStatus's answer, as the system gives it: ACLineStatus 0 offline, 1 online,
// 255 unknown; BatteryFlag bit 128 means "no system battery"; BatteryLifePercent 0-100 or 255
// for unknown.
struct TSystemPowerStatus {
  std::uint8_t ACLineStatus = 255;
  std::uint8_t BatteryFlag = 255;
  std::uint8_t BatteryLifePercent = 255;
};

// Which of the power-setting functions of "user32.dll" could be bound. Library is false when the
// library itself could not be loaded.
struct TPowerSettingFunctions {
  bool Library = false;
  bool Register = false;
  bool Unregister = false;
};

// A live registration for power-setting notifications; unregistered when the object goes, if
// UnregisterPowerSettingNotification was bound.
class TPowerSettingNotification {
 public:
  virtual ~TPowerSettingNotification() = default;
  virtual std::uintptr_t Handle() const = 0;
};

// What the battery and lid events and the power monitor read of the power system.
class TPowerSystem {
 public:
  virtual ~TPowerSystem() = default;

  // None when the status cannot be read.
  virtual std::optional<TSystemPowerStatus> ReadPowerStatus() = 0;

  // Binds RegisterPowerSettingNotification and UnregisterPowerSettingNotification by name on the
  // first call and keeps them until the port goes; later calls report the same binding.
  virtual TPowerSettingFunctions BindPowerSettingFunctions() = 0;

  // Registers Window for lid switch changes (GUID_LIDSWITCH_STATE_CHANGE, notifications as window
  // messages). Only after the binding found RegisterPowerSettingNotification. None when the
  // system refuses, with its error code in LastError.
  virtual std::unique_ptr<TPowerSettingNotification> RegisterLidSwitchNotification(
      std::uintptr_t Window, std::uint32_t& LastError) = 0;
};
