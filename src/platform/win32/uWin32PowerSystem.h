#pragma once

#include <memory>

#include "platform/uPowerSystem.h"
#include "platform/win32/uWin32Handles.h"

// The power supply and power-setting notifications on Windows. RegisterPowerSettingNotification
// and UnregisterPowerSettingNotification (Windows Vista and later) are bound by name from
// "user32.dll" on first need and kept for the port's life (the program's whole run).
class TWin32PowerSystem : public TPowerSystem {
 public:
  TWin32PowerSystem();
  ~TWin32PowerSystem() override;

  std::optional<TSystemPowerStatus> ReadPowerStatus() override;
  TPowerSettingFunctions BindPowerSettingFunctions() override;
  std::unique_ptr<TPowerSettingNotification> RegisterLidSwitchNotification(
      std::uintptr_t Window, std::uint32_t& LastError) override;

 private:
  using TRegisterFunction = HPOWERNOTIFY(WINAPI*)(HANDLE, LPCGUID, DWORD);
  using TUnregisterFunction = BOOL(WINAPI*)(HPOWERNOTIFY);

  TModuleHandle FUser32;
  TRegisterFunction FRegister = nullptr;
  TUnregisterFunction FUnregister = nullptr;
};
