#include "app/uOptionsModel.h"

#include <algorithm>
#include <exception>

#include "app/uAutorun.h"
#include "app/uOptionsInput.h"
#include "app/uOptionsStrings.h"
#include "app/uPasswordDigest.h"
#include "app/uSleepPrevention.h"
#include "app/uWebInterfaceControl.h"
#include "core/uKoException.h"
#include "platform/uLocalNetwork.h"
#include "platform/uUserInterface.h"

namespace {

constexpr char kLineBreaks[] = "\r\n\r\n";

// Copies between a setting and the check box that shows it; the inverted one stays apart.
struct TCheckBoxSetting {
  bool TOptionsControls::*Control;
  bool TSettings::*Setting;
};

using C = TOptionsControls;
using S = TSettings;

constexpr TCheckBoxSetting CheckBoxSettings[] = {
    {&C::AlwaysOnTop, &S::AlwaysOnTop},
    {&C::SaveAndLoadDefaultPreset, &S::SaveAndLoadDefaultPreset},
    {&C::IncreaseTablesFontSize, &S::IncreaseTablesFontSize},
    {&C::MinimizeOnEventsStart, &S::MinimizeOnEventsStart},
    {&C::MinimizeOnProgramLaunch, &S::MinimizeOnProgramLaunch},
    {&C::MinimizeOnCloseClick, &S::MinimizeOnCloseClick},
    {&C::StartEventsOnProgramLaunch, &S::StartEventsOnProgramLaunch},
    {&C::PreventSystemSleepWhileRunning, &S::PreventSystemSleepWhileRunning},
    {&C::StopOnSleep, &S::StopOnSleep},
    {&C::StartOnWakeUp, &S::StartOnWakeUp},
    {&C::StartOnWakeUpOnlyIfWasRunning, &S::StartOnWakeUpOnlyIfWasRunning},
    {&C::EventStatusInTrayIconHint, &S::EventStatusInTrayIconHint},
    {&C::EventDetailsInTrayIconHint, &S::EventDetailsInTrayIconHint},
    {&C::AppOnlyOneInstance, &S::AppOnlyOneInstance},
    {&C::HideTrayIcon, &S::HideTrayIcon},
    {&C::WebInterfaceEnable, &S::WebInterfaceEnabled},
    {&C::WebInterfaceEnableHTTPS, &S::WebInterfaceHTTPS},
    {&C::WebInterfaceAllowCmdExec, &S::WebInterfaceAllowCmdExec},
    {&C::ProtectionEnable, &S::ProtectionEnabled},
};

std::string PasswordBoxText(const std::string& Stored) {
  return Stored.empty() ? std::string() : std::string(TOptionsModel::PasswordPlaceholder);
}

}  // namespace

TOptionsModel::TOptionsModel(TSettings& Settings, const TOptionsServices& Services)
    : FSettings(Settings), FServices(Services) {}

void TOptionsModel::Load() {
  FControls = {};
  for (const TCheckBoxSetting& Box : CheckBoxSettings)
    FControls.*Box.Control = FSettings.*Box.Setting;
  FControls.DisableTrayMessages = !FSettings.ShowTrayMessages;
  // The registry, not the settings file, knows whether the program starts with Windows.
  FControls.AutorunAllUsers =
      IsAutorunEnabled(FServices.Registry, FServices.ApplicationFileName, true);
  FControls.AutorunCurrentUser =
      IsAutorunEnabled(FServices.Registry, FServices.ApplicationFileName, false);
  FControls.WebInterfaceIP = FSettings.WebInterfaceIP;
  FControls.WebInterfacePort = std::to_string(FSettings.WebInterfacePort);
  FControls.WebInterfaceUsername = FSettings.WebInterfaceUsername;
  FControls.WebInterfacePassword = PasswordBoxText(FSettings.WebInterfacePassword);
  FControls.ProtectionPassword = PasswordBoxText(FSettings.ProtectionPassword);
  FControls.ProtectionPasswordRepeat = FControls.ProtectionPassword;
  KeepRules();
}

TOptionsEnabling TOptionsModel::Enabling() const {
  return {FControls.WebInterfaceEnable, FControls.ProtectionEnable, FControls.StartOnWakeUp};
}

void TOptionsModel::KeepRules() {
  if (!FControls.StartOnWakeUp)
    FControls.StartOnWakeUpOnlyIfWasRunning = false;
}

void TOptionsModel::AutorunAllUsersClicked() {
  if (FControls.AutorunAllUsers)
    FControls.AutorunCurrentUser = false;
}

void TOptionsModel::AutorunCurrentUserClicked() {
  if (FControls.AutorunCurrentUser)
    FControls.AutorunAllUsers = false;
}

void TOptionsModel::StartOnWakeUpClicked() {
  KeepRules();
}

void TOptionsModel::PasswordBoxEntered(TOptionsPasswordBox Box) {
  switch (Box) {
    case opbWebInterface:
      FControls.WebInterfacePassword.clear();
      break;
    case opbProtection:
      FControls.ProtectionPassword.clear();
      break;
    case opbProtectionRepeat:
      FControls.ProtectionPasswordRepeat.clear();
      break;
  }
}

std::vector<std::string> TOptionsModel::IPAddressChoices() {
  std::vector<std::string> Choices{"0.0.0.0", "127.0.0.1"};
  for (std::string& Address : FServices.Network.HostIPv4Addresses())
    if (std::find(Choices.begin(), Choices.end(), Address) == Choices.end())
      Choices.push_back(std::move(Address));
  return Choices;
}

void TOptionsModel::CheckPortPressed() {
  const std::string& Address = FControls.WebInterfaceIP;
  if (!IsIPAddressCorrect(Address)) {
    Warn(ustrings::msg_web_interface_check_ip_incorrect);
    return;
  }
  const auto Port = PortFromText(FControls.WebInterfacePort);
  if (!Port) {
    Warn(ustrings::msg_web_interface_port_incorrect);
    return;
  }
  // The running web interface holds its own endpoint; saving restarts it there, so that
  // endpoint is free for it rather than taken by another application.
  const bool OwnEndpoint = FServices.WebInterface.Active() && FSettings.WebInterfaceIP == Address &&
                           FSettings.WebInterfacePort == *Port;
  if (OwnEndpoint || FServices.Network.CanListen(Address, *Port))
    FServices.UserInterface.MessageDialog(
        {}, ResStr(ustrings::msg_web_interface_check_ip_port_available), dkInformation, dbOK);
  else
    Warn(ustrings::msg_web_interface_check_ip_port_taken);
}

void TOptionsModel::HideTrayIconWarningPressed() {
  Warn(ustrings::txt_hide_tray_icon_warning);
}

bool TOptionsModel::SavePressed() {
  return Validate() && Apply();
}

bool TOptionsModel::Validate() {
  if (FControls.ProtectionEnable &&
      FControls.ProtectionPassword != FControls.ProtectionPasswordRepeat) {
    Warn(ustrings::msg_protection_passwords_dont_match);
    return false;
  }
  if (FControls.WebInterfaceEnable) {
    if (!IsIPAddressCorrect(FControls.WebInterfaceIP)) {
      Warn(ustrings::msg_web_interface_ip_incorrect);
      return false;
    }
    // A number that is no port would otherwise be cut to 16 bits and listen somewhere else.
    if (!PortFromText(FControls.WebInterfacePort)) {
      Warn(ustrings::msg_web_interface_port_incorrect);
      return false;
    }
  }
  return true;
}

std::string TOptionsModel::PasswordSetting(const std::string& Box,
                                           const std::string& Stored) const {
  if (Box.empty())
    return {};
  // Ten asterisks typed while no password is stored are a password like any other.
  if (Box == PasswordPlaceholder && !Stored.empty())
    return Stored;
  return PasswordDigest(Box);
}

bool TOptionsModel::Apply() {
  // The digests come first, so that nothing changes when the system cannot compute them.
  std::string WebInterfacePassword, ProtectionPassword;
  try {
    WebInterfacePassword =
        PasswordSetting(FControls.WebInterfacePassword, FSettings.WebInterfacePassword);
    ProtectionPassword =
        PasswordSetting(FControls.ProtectionPassword, FSettings.ProtectionPassword);
  } catch (const EKoException& Error) {
    Warn(std::string(Error.what()));
    return false;
  }

  for (const TCheckBoxSetting& Box : CheckBoxSettings)
    FSettings.*Box.Setting = FControls.*Box.Control;
  FSettings.ShowTrayMessages = !FControls.DisableTrayMessages;
  FSettings.WebInterfaceIP = FControls.WebInterfaceIP;
  FSettings.WebInterfaceUsername = FControls.WebInterfaceUsername;
  // Only a disabled web interface gets here with a number that is no port: it keeps its port.
  if (const auto Port = PortFromText(FControls.WebInterfacePort))
    FSettings.WebInterfacePort = *Port;
  FControls.WebInterfacePort = std::to_string(FSettings.WebInterfacePort);
  FSettings.WebInterfacePassword = std::move(WebInterfacePassword);
  FSettings.ProtectionPassword = std::move(ProtectionPassword);

  ApplyWebInterface();
  if (FServices.ShowTrayIcon)
    FServices.ShowTrayIcon(!FSettings.HideTrayIcon);
  if (FServices.PlannerRunning && FServices.PlannerRunning()) {
    if (FSettings.PreventSystemSleepWhileRunning)
      FServices.SleepPrevention.PreventSystemSleep();
    else
      FServices.SleepPrevention.AllowSystemSleep();
  }
  if (FServices.ApplyTablesFont)
    FServices.ApplyTablesFont(FSettings.IncreaseTablesFontSize);

  try {
    ApplyAutorun();
  } catch (const std::exception& Error) {
    Warn(ResStr(optionsform::sfailedtoapplysystemsettings) + kLineBreaks +
         ResStr(optionsform::serror) + ": " + Error.what() + kLineBreaks +
         ResStr(optionsform::shinttryrunasadministrator));
    return false;
  }
  return true;
}

void TOptionsModel::ApplyWebInterface() {
  if (!FSettings.WebInterfaceEnabled) {
    FServices.WebInterface.Stop();
    return;
  }
  // The settings are stored by now; a web interface that cannot start (its templates are
  // missing, say) is told about, and the rest of the changes still take effect.
  try {
    FServices.WebInterface.Restart(FSettings);
  } catch (const std::exception& Error) {
    Warn(std::string(Error.what()));
  }
}

void TOptionsModel::ApplyAutorun() {
  const std::pair<bool, bool> Entries[] = {{true, FControls.AutorunAllUsers},
                                           {false, FControls.AutorunCurrentUser}};
  for (const auto& [AllUsers, Wanted] : Entries)
    if (Wanted != IsAutorunEnabled(FServices.Registry, FServices.ApplicationFileName, AllUsers))
      SetAutorun(FServices.Registry, FServices.ApplicationFileName, AllUsers, Wanted);
}

void TOptionsModel::Warn(const TResString& Text) {
  Warn(ResStr(Text));
}

void TOptionsModel::Warn(const std::string& Text) {
  FServices.UserInterface.MessageDialog({}, Text, dkWarning, dbOK);
}
