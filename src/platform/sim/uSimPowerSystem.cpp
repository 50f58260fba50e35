#include "platform/sim/uSimPowerSystem.h"

class TSimPowerSystem::TSimRegistration : public TPowerSettingNotification {
 public:
  TSimRegistration(TSimPowerSystem& Owner, std::uintptr_t Handle)
      : FOwner(Owner), FHandle(Handle) {}
  ~TSimRegistration() override {
    if (FOwner.FBound && FOwner.FBound->Unregister)
      FOwner.Registrations.erase(FHandle);
  }
  std::uintptr_t Handle() const override { return FHandle; }

 private:
  TSimPowerSystem& FOwner;
  std::uintptr_t FHandle;
};

void TSimPowerSystem::SetLaptop(std::uint8_t Percent, bool OnMains) {
  Status = TSystemPowerStatus{static_cast<std::uint8_t>(OnMains ? 1 : 0), 0, Percent};
}

TPowerSettingFunctions TSimPowerSystem::BindPowerSettingFunctions() {
  // Bound once, like the real binding; a library that failed to load is tried again.
  if (!FBound || !FBound->Library) {
    ++Bindings;
    FBound = User32Loads ? TPowerSettingFunctions{true, RegisterExists, UnregisterExists}
                         : TPowerSettingFunctions{};
  }
  return *FBound;
}

std::unique_ptr<TPowerSettingNotification> TSimPowerSystem::RegisterLidSwitchNotification(
    std::uintptr_t Window, std::uint32_t& LastError) {
  if (RegisterRefused) {
    LastError = RegisterError;
    return nullptr;
  }
  const std::uintptr_t Handle = FNextHandle++;
  Registrations[Handle] = Window;
  return std::make_unique<TSimRegistration>(*this, Handle);
}
