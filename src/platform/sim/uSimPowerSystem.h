#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "platform/uPowerSystem.h"

// The simulated machine's power supply and power-setting notifications. By default a desktop on
// the mains without a battery, on a system that has the power-setting functions.
class TSimPowerSystem : public TPowerSystem {
 public:
  // What GetSystemPowerStatus reports; none when it fails.
  std::optional<TSystemPowerStatus> Status = TSystemPowerStatus{1, 128, 255};
  // A laptop with this charge, on the mains or on battery.
  void SetLaptop(std::uint8_t Percent, bool OnMains);

  // What binding "user32.dll" finds.
  bool User32Loads = true;
  bool RegisterExists = true;
  bool UnregisterExists = true;
  // The system refuses registrations with this error code.
  bool RegisterRefused = false;
  std::uint32_t RegisterError = 5;

  // What happened: how often the functions were bound, and the live registrations (handle to
  // window). Without UnregisterPowerSettingNotification a registration stays, as on a system
  // that lacks it.
  int Bindings = 0;
  std::map<std::uintptr_t, std::uintptr_t> Registrations;

  std::optional<TSystemPowerStatus> ReadPowerStatus() override { return Status; }
  TPowerSettingFunctions BindPowerSettingFunctions() override;
  std::unique_ptr<TPowerSettingNotification> RegisterLidSwitchNotification(
      std::uintptr_t Window, std::uint32_t& LastError) override;

 private:
  class TSimRegistration;
  std::optional<TPowerSettingFunctions> FBound;
  std::uintptr_t FNextHandle = 0x7001;
};
