// GUID_LIDSWITCH_STATE_CHANGE is only declared by the Windows headers; this is the one file that
// defines it, so <initguid.h> comes before them.
#include <initguid.h>

#include "platform/win32/uWin32PowerSystem.h"

namespace {

template <typename TFunction>
TFunction Bind(HMODULE Module, const char* Name) {
  return reinterpret_cast<TFunction>(reinterpret_cast<void (*)()>(GetProcAddress(Module, Name)));
}

class TWin32PowerSettingNotification : public TPowerSettingNotification {
 public:
  TWin32PowerSettingNotification(HPOWERNOTIFY Handle, BOOL(WINAPI* Unregister)(HPOWERNOTIFY))
      : FHandle(Handle), FUnregister(Unregister) {}
  ~TWin32PowerSettingNotification() override {
    // Without the function the registration lives until the window goes.
    if (FUnregister)
      FUnregister(FHandle);
  }
  TWin32PowerSettingNotification(const TWin32PowerSettingNotification&) = delete;
  TWin32PowerSettingNotification& operator=(const TWin32PowerSettingNotification&) = delete;

  std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(FHandle); }

 private:
  HPOWERNOTIFY FHandle;
  BOOL(WINAPI* FUnregister)(HPOWERNOTIFY);
};

}  // namespace

TWin32PowerSystem::TWin32PowerSystem() = default;

TWin32PowerSystem::~TWin32PowerSystem() = default;

std::optional<TSystemPowerStatus> TWin32PowerSystem::ReadPowerStatus() {
  SYSTEM_POWER_STATUS Status{};
  if (!GetSystemPowerStatus(&Status))
    return std::nullopt;
  return TSystemPowerStatus{Status.ACLineStatus, Status.BatteryFlag, Status.BatteryLifePercent};
}

TPowerSettingFunctions TWin32PowerSystem::BindPowerSettingFunctions() {
  if (!FUser32) {
    TModuleHandle User32(LoadLibraryW(L"user32.dll"));
    if (!User32)
      return {};
    FRegister = Bind<TRegisterFunction>(User32.get(), "RegisterPowerSettingNotification");
    FUnregister = Bind<TUnregisterFunction>(User32.get(), "UnregisterPowerSettingNotification");
    FUser32 = std::move(User32);
  }
  return {true, FRegister != nullptr, FUnregister != nullptr};
}

std::unique_ptr<TPowerSettingNotification> TWin32PowerSystem::RegisterLidSwitchNotification(
    std::uintptr_t Window, std::uint32_t& LastError) {
  if (!FRegister) {
    LastError = ERROR_PROC_NOT_FOUND;
    return nullptr;
  }
  HPOWERNOTIFY Handle = FRegister(reinterpret_cast<HANDLE>(Window), &GUID_LIDSWITCH_STATE_CHANGE,
                                  DEVICE_NOTIFY_WINDOW_HANDLE);
  if (!Handle) {
    LastError = GetLastError();
    return nullptr;
  }
  return std::make_unique<TWin32PowerSettingNotification>(Handle, FUnregister);
}
