#include "events/uPowerNotify.h"

#include <cstring>

#include "core/uFormat.h"
#include "events/uPowerNotifyStrings.h"

namespace {

constexpr char kRegisterFunction[] = "RegisterPowerSettingNotification";

}  // namespace

std::optional<TPowerEventKind> LidEventOfPowerSetting(const void* Setting) {
  if (!Setting)
    return std::nullopt;
  // Read field by field: the message carries a bare pointer with no promise of alignment.
  const auto* Bytes = static_cast<const unsigned char*>(Setting);
  TGuid Guid;
  std::memcpy(&Guid.Data1, Bytes + kPowerSettingGuidOffset, 4);
  std::memcpy(&Guid.Data2, Bytes + kPowerSettingGuidOffset + 4, 2);
  std::memcpy(&Guid.Data3, Bytes + kPowerSettingGuidOffset + 6, 2);
  std::memcpy(Guid.Data4.data(), Bytes + kPowerSettingGuidOffset + 8, 8);
  if (Guid != kLidSwitchStateChange)
    return std::nullopt;
  std::uint32_t DataLength = 0;
  std::memcpy(&DataLength, Bytes + kPowerSettingDataLengthOffset, 4);
  if (DataLength == 0)
    return std::nullopt;
  switch (Bytes[kPowerSettingDataOffset]) {
    case 0:
      return pekLidClosed;
    case 1:
      return pekLidOpened;
    default:
      return std::nullopt;
  }
}

TPowerEventMonitor::TPowerEventMonitor(const TKoServices& Services)
    : FLoop(Services.EventLoop), FPower(Services.PowerSystem), FVersion(Services.SystemVersion) {}

TPowerEventMonitor::~TPowerEventMonitor() {
  Stop();
}

std::uint8_t TPowerEventMonitor::SupportedFlags(const TOsVersion& Version) {
  return Version.Major < 6 ? pmfSuspendResume : pmfSuspendResume | pmfLid;
}

std::uintptr_t TPowerEventMonitor::NotificationHandle() const {
  return FNotification ? FNotification->Handle() : 0;
}

std::uintptr_t TPowerEventMonitor::WindowHandle() const {
  return FMessenger ? FMessenger->Handle() : 0;
}

void TPowerEventMonitor::Start(std::uint8_t Flags) {
  Stop();
  FMessenger = std::make_unique<TWindowMessenger>(
      FLoop, [this](TWindowMessage& Message) { HandleMessage(Message); });
  if (Flags & pmfLid) {
    try {
      RegisterLidNotification();
    } catch (...) {
      Stop();
      throw;
    }
  }
  FActive = true;
}

void TPowerEventMonitor::RegisterLidNotification() {
  // A system that does not report its version is given the benefit of the doubt: binding the
  // functions tells the truth anyway.
  const bool TooOld = FVersion && FVersion->OsVersion().Major < 6;
  const TPowerSettingFunctions Functions =
      FPower && !TooOld ? FPower->BindPowerSettingFunctions() : TPowerSettingFunctions{};
  if (!Functions.Library)
    throw EPowerEventMonitorError(ResStr(upowernotify::spowersettingsnotavailable));
  if (!Functions.Register)
    throw EPowerEventMonitorError(
        Format(ResStr(upowernotify::sfunctionnotfound), {kRegisterFunction}));
  std::uint32_t LastError = 0;
  FNotification = FPower->RegisterLidSwitchNotification(FMessenger->Handle(), LastError);
  if (!FNotification)
    throw EPowerEventMonitorError(Format(ResStr(upowernotify::sfunctionfailed),
                                         {kRegisterFunction, std::to_string(LastError)}));
}

void TPowerEventMonitor::Stop() {
  FNotification.reset();
  FMessenger.reset();
  FActive = false;
}

void TPowerEventMonitor::HandleMessage(TWindowMessage& Message) {
  if (Message.Msg != kWmPowerBroadcast)
    return;
  // TRUE for every power broadcast: a query to suspend is granted, the rest is acknowledged.
  Message.Result = 1;
  Message.Handled = true;
  switch (Message.WParam) {
    case kPbtApmSuspend:
    case kPbtApmStandby:
      Notify(pekSuspend);
      break;
    case kPbtApmResumeStandby:
    case kPbtApmResumeAutomatic:
      Notify(pekResume);
      break;
    case kPbtPowerSettingChange:
      if (auto Kind = LidEventOfPowerSetting(reinterpret_cast<const void*>(Message.LParam)))
        Notify(*Kind);
      break;
    default:
      break;
  }
}

void TPowerEventMonitor::Notify(TPowerEventKind Kind) {
  if (OnNotify)
    OnNotify(*this, Kind);
}
