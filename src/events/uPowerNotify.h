#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "core/uKoException.h"
#include "core/uKoServices.h"
#include "core/uWindowMessenger.h"
#include "platform/uPowerSystem.h"
#include "platform/uSystemVersion.h"

// What a power monitor reports.
enum TPowerEventKind : std::uint8_t {
  pekSuspend = 0,
  pekResume = 1,
  pekLidOpened = 2,
  pekLidClosed = 3,
};

// Start flags of TPowerEventMonitor, combined with "|".
enum TPowerMonitorFlag : std::uint8_t {
  pmfSuspendResume = 1,  // needs no registration: power broadcasts reach every top-level window
  pmfLid = 2,            // registers for lid switch changes (Windows Vista and later)
};

// The power broadcast and its events, as Windows numbers them.
inline constexpr std::uint32_t kWmPowerBroadcast = 536;
inline constexpr std::uintptr_t kPbtApmSuspend = 4;
inline constexpr std::uintptr_t kPbtApmStandby = 5;
inline constexpr std::uintptr_t kPbtApmResumeStandby = 8;
inline constexpr std::uintptr_t kPbtApmResumeAutomatic = 18;
inline constexpr std::uintptr_t kPbtPowerSettingChange = 32787;

// A GUID in the layout Windows uses.
struct TGuid {
  std::uint32_t Data1 = 0;
  std::uint16_t Data2 = 0;
  std::uint16_t Data3 = 0;
  std::array<std::uint8_t, 8> Data4{};
  bool operator==(const TGuid&) const = default;
};

// GUID_LIDSWITCH_STATE_CHANGE, {BA3E0F4D-B817-4094-A2D1-D56379E6A0F3}.
inline constexpr TGuid kLidSwitchStateChange{
    0xBA3E0F4D, 0xB817, 0x4094, {0xA2, 0xD1, 0xD5, 0x63, 0x79, 0xE6, 0xA0, 0xF3}};

// The layout of POWERBROADCAST_SETTING, which PBT_POWERSETTINGCHANGE points to: the setting's
// GUID, the length of its data, then the data.
inline constexpr std::size_t kPowerSettingGuidOffset = 0;
inline constexpr std::size_t kPowerSettingDataLengthOffset = 16;
inline constexpr std::size_t kPowerSettingDataOffset = 20;

// The lid movement a POWERBROADCAST_SETTING reports; none for a null pointer, another setting, no
// data, or a lid state other than 0 (closed) and 1 (opened).
std::optional<TPowerEventKind> LidEventOfPowerSetting(const void* Setting);

class EPowerEventMonitorError : public EKoException {
 public:
  using EKoException::EKoException;
};

// Turns the system's power broadcasts into four notifications: the system suspends, it resumed,
// the lid opened, the lid closed. The broadcasts reach it through its own hidden top-level window,
// on the GUI thread.
class TPowerEventMonitor {
 public:
  // Inactive. The ports may be unset: lid notifications are then unavailable.
  explicit TPowerEventMonitor(const TKoServices& Services);
  ~TPowerEventMonitor();
  TPowerEventMonitor(const TPowerEventMonitor&) = delete;
  TPowerEventMonitor& operator=(const TPowerEventMonitor&) = delete;

  // Stops first, so it may be called again at any time. Raises EPowerEventMonitorError when lid
  // notifications are asked for and cannot be had, and EKoException when the window cannot be
  // made; a failed start leaves the monitor stopped.
  void Start(std::uint8_t Flags);
  // Releases the registration and the window.
  void Stop();

  bool Active() const { return FActive; }
  // The registration's handle; 0 when not registered.
  std::uintptr_t NotificationHandle() const;
  // The window's handle; 0 while stopped.
  std::uintptr_t WindowHandle() const;

  // The flags that can work on this system: suspend and resume everywhere, the lid from Windows
  // Vista on.
  static std::uint8_t SupportedFlags(const TOsVersion& Version);

  std::function<void(TPowerEventMonitor& Sender, TPowerEventKind Kind)> OnNotify;

 private:
  void RegisterLidNotification();
  void HandleMessage(TWindowMessage& Message);
  void Notify(TPowerEventKind Kind);

  TEventLoop& FLoop;
  TPowerSystem* FPower;
  TSystemVersion* FVersion;
  bool FActive = false;
  std::unique_ptr<TWindowMessenger> FMessenger;
  std::unique_ptr<TPowerSettingNotification> FNotification;
};
