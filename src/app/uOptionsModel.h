#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/uSettings.h"
#include "core/uResourceStrings.h"

class TLocalNetwork;
class TRegistry;
class TSleepPrevention;
class TUserInterface;
class TWebInterfaceControl;

// The dialog's pages, in their order.
enum TOptionsPage : std::uint8_t { opGeneral, opAdvanced, opWebInterface, opProtection };

// What the dialog's controls hold, named after the controls.
struct TOptionsControls {
  bool operator==(const TOptionsControls&) const = default;

  // General
  bool AlwaysOnTop = false;
  bool AutorunAllUsers = false;
  bool AutorunCurrentUser = false;
  bool SaveAndLoadDefaultPreset = false;
  bool IncreaseTablesFontSize = false;
  bool MinimizeOnEventsStart = false;
  bool MinimizeOnProgramLaunch = false;
  bool MinimizeOnCloseClick = false;

  // Advanced
  bool StartEventsOnProgramLaunch = false;
  bool PreventSystemSleepWhileRunning = false;
  bool StopOnSleep = false;
  bool StartOnWakeUp = false;
  bool StartOnWakeUpOnlyIfWasRunning = false;
  bool EventStatusInTrayIconHint = false;
  bool EventDetailsInTrayIconHint = false;
  bool DisableTrayMessages = false;
  bool AppOnlyOneInstance = false;
  bool HideTrayIcon = false;

  // Web Interface
  bool WebInterfaceEnable = false;
  std::string WebInterfaceIP;
  std::string WebInterfacePort;
  std::string WebInterfaceUsername;
  std::string WebInterfacePassword;
  bool WebInterfaceEnableHTTPS = false;
  bool WebInterfaceAllowCmdExec = false;

  // Protection
  bool ProtectionEnable = false;
  std::string ProtectionPassword;
  std::string ProtectionPasswordRepeat;
};

// Which controls the user may change at the moment.
struct TOptionsEnabling {
  bool operator==(const TOptionsEnabling&) const = default;
  // Address, port, port check, user name, password, HTTPS and command-line permission.
  bool WebInterfaceControls = false;
  bool ProtectionPasswords = false;
  bool StartOnWakeUpOnlyIfWasRunning = false;
};

enum TOptionsPasswordBox : std::uint8_t { opbWebInterface, opbProtection, opbProtectionRepeat };

// Everything applying the options reaches beyond the settings. The main window's part comes as
// functions; one left empty is skipped.
struct TOptionsServices {
  TRegistry& Registry;              // the autorun entries
  std::string ApplicationFileName;  // name and data of the autorun entries
  TWebInterfaceControl& WebInterface;
  TLocalNetwork& Network;  // the port check and the address list
  TSleepPrevention& SleepPrevention;
  TUserInterface& UserInterface;  // warnings and notices, owned by the dialog's owner
  std::function<bool()> PlannerRunning;
  std::function<void(bool Visible)> ShowTrayIcon;
  std::function<void(bool Increase)> ApplyTablesFont;
};

// What the options dialog does apart from drawing: loading the controls from the settings, the
// rules between controls, the port check, validation, and applying the changes to the settings
// and to the running program. The window (optionsform) copies its controls into Controls()
// before it reports an event and shows Controls() and Enabling() afterwards.
class TOptionsModel {
 public:
  // Stands in a password box for a stored password; the stored digest is never shown.
  static constexpr std::string_view PasswordPlaceholder = "**********";

  TOptionsModel(TSettings& Settings, const TOptionsServices& Services);

  // Every control from the settings, the autorun boxes from the registry.
  void Load();
  TOptionsControls& Controls() { return FControls; }
  const TOptionsControls& Controls() const { return FControls; }
  TOptionsEnabling Enabling() const;

  // At most one kind of autorun is chosen.
  void AutorunAllUsersClicked();
  void AutorunCurrentUserClicked();
  // "Only if it was running" means nothing without starting on wake-up.
  void StartOnWakeUpClicked();
  // Entering a password box empties it, so the placeholder is never edited by hand.
  void PasswordBoxEntered(TOptionsPasswordBox Box);

  // The choices of the address box: every interface, the loopback, then this computer's own.
  std::vector<std::string> IPAddressChoices();
  // Tells the user whether the web interface could listen on the address and port typed.
  void CheckPortPressed();
  void HideTrayIconWarningPressed();

  // Validates and applies. True when the dialog may close with OK. False leaves it open: after
  // a warning about the input nothing has changed; after a failed autorun change everything
  // else has been applied.
  bool SavePressed();

 private:
  bool Validate();
  bool Apply();
  void ApplyWebInterface();
  void ApplyAutorun();
  void KeepRules();
  // The setting a password box leads to: kept, cleared or a new digest.
  std::string PasswordSetting(const std::string& Box, const std::string& Stored) const;
  void Warn(const TResString& Text);
  void Warn(const std::string& Text);

  TSettings& FSettings;
  TOptionsServices FServices;
  TOptionsControls FControls;
};
