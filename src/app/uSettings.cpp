#include "app/uSettings.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "core/uFilePaths.h"
#include "core/uIniFile.h"

namespace {

constexpr std::string_view General = "General";
constexpr std::string_view Positions = "Positions";
constexpr std::string_view WebInterface = "WebInterface";
constexpr std::string_view Protection = "Protection";

// Read but never written: older versions had one switch for stopping on sleep and starting
// again on wake-up.
constexpr std::string_view LegacySleepKey = "StopOnSuspendAndRestartOnWakeUp";

using S = TSettings;

constexpr TSettingDefinition Definitions[] = {
    {General, "LanguageCode", TTextSetting{&S::LanguageCode, ""}},
    {General, "BiDiCode", TTextSetting{&S::BiDiCode, ""}},
    {General, "AlwaysOnTop", TBooleanSetting{&S::AlwaysOnTop, false}},
    {General, "MinimizeOnEventsStart", TBooleanSetting{&S::MinimizeOnEventsStart, false}},
    {General, "MinimizeOnProgramLaunch", TBooleanSetting{&S::MinimizeOnProgramLaunch, false}},
    {General, "StartEventsOnProgramLaunch", TBooleanSetting{&S::StartEventsOnProgramLaunch, false}},
    {General, "MinimizeOnCloseClick", TBooleanSetting{&S::MinimizeOnCloseClick, false}},
    {General, "StopOnSleep", TBooleanSetting{&S::StopOnSleep, false}, true},
    {General, "StartOnWakeUp", TBooleanSetting{&S::StartOnWakeUp, false}, true},
    {General, "StartOnWakeUpOnlyIfWasRunning",
     TBooleanSetting{&S::StartOnWakeUpOnlyIfWasRunning, false}, true},
    {General, "PreventSystemSleepWhileRunning",
     TBooleanSetting{&S::PreventSystemSleepWhileRunning, false}},
    {General, "ShowTrayMessages", TBooleanSetting{&S::ShowTrayMessages, true}},
    {General, "HideTrayIcon", TBooleanSetting{&S::HideTrayIcon, false}},
    {General, "AppOnlyOneInstance", TBooleanSetting{&S::AppOnlyOneInstance, false}},
    {General, "IncreaseTablesFontSize", TBooleanSetting{&S::IncreaseTablesFontSize, true}},
    {General, "SaveAndLoadDefaultPreset", TBooleanSetting{&S::SaveAndLoadDefaultPreset, true}},
    {General, "EventStatusInTrayIconHint", TBooleanSetting{&S::EventStatusInTrayIconHint, true}},
    {General, "EventDetailsInTrayIconHint", TBooleanSetting{&S::EventDetailsInTrayIconHint, false}},
    {Positions, "MainPosX", TIntegerSetting{&S::MainPosX, -1}},
    {Positions, "MainPosY", TIntegerSetting{&S::MainPosY, -1}},
    {Positions, "MainWidth", TIntegerSetting{&S::MainWidth, -1}},
    {Positions, "MainHeight", TIntegerSetting{&S::MainHeight, -1}},
    {Positions, "EventsListColumnWidths", TTextSetting{&S::EventsListColumnWidths, ""}},
    {Positions, "ActionsListColumnWidths", TTextSetting{&S::ActionsListColumnWidths, ""}},
    {WebInterface, "Enabled", TBooleanSetting{&S::WebInterfaceEnabled, false}},
    {WebInterface, "HTTPS", TBooleanSetting{&S::WebInterfaceHTTPS, false}},
    {WebInterface, "IP", TTextSetting{&S::WebInterfaceIP, "127.0.0.1"}},
    {WebInterface, "Port", TPortSetting{&S::WebInterfacePort, 80}},
    {WebInterface, "Username", TTextSetting{&S::WebInterfaceUsername, ""}},
    {WebInterface, "Password", TTextSetting{&S::WebInterfacePassword, ""}},
    {WebInterface, "AllowCmdExec", TBooleanSetting{&S::WebInterfaceAllowCmdExec, false}},
    {Protection, "Enabled", TBooleanSetting{&S::ProtectionEnabled, false}},
    {Protection, "Password", TTextSetting{&S::ProtectionPassword, ""}},
};

// An empty or missing value keeps Current.
bool ReadBoolean(const TIniFile& Ini, std::string_view Section, std::string_view Key,
                 bool Current) {
  const std::string Value = Ini.ReadString(Section, Key, "");
  return Value.empty() ? Current : Value.front() == '1';
}

void ReadSetting(const TIniFile& Ini, const TSettingDefinition& Definition, TSettings& Settings) {
  const std::string_view Section = Definition.Section;
  const std::string_view Key = Definition.Key;
  std::visit(
      [&](const auto& Setting) {
        using TSetting = std::decay_t<decltype(Setting)>;
        auto& Field = Settings.*(Setting.Field);
        if constexpr (std::is_same_v<TSetting, TTextSetting>) {
          Field = Ini.ReadString(Section, Key, Field);
        } else if constexpr (std::is_same_v<TSetting, TBooleanSetting>) {
          Field = ReadBoolean(Ini, Section, Key, Field);
        } else if constexpr (std::is_same_v<TSetting, TIntegerSetting>) {
          Field = Ini.ReadInteger(Section, Key, Field);
        } else {
          const int Port = Ini.ReadInteger(Section, Key, Field);
          if (Port >= 0 && Port <= 0xFFFF)
            Field = static_cast<std::uint16_t>(Port);
        }
      },
      Definition.Setting);
}

void WriteSetting(TIniFile& Ini, const TSettingDefinition& Definition, const TSettings& Settings) {
  std::visit(
      [&](const auto& Setting) {
        using TSetting = std::decay_t<decltype(Setting)>;
        const auto& Field = Settings.*(Setting.Field);
        if constexpr (std::is_same_v<TSetting, TTextSetting>) {
          Ini.WriteString(Definition.Section, Definition.Key, Field);
        } else if constexpr (std::is_same_v<TSetting, TBooleanSetting>) {
          Ini.WriteString(Definition.Section, Definition.Key, Field ? "1" : "0");
        } else {
          Ini.WriteInteger(Definition.Section, Definition.Key, Field);
        }
      },
      Definition.Setting);
}

}  // namespace

TSettings::TSettings() {
  for (const TSettingDefinition& Definition : Definitions)
    std::visit([this](const auto& Setting) { this->*(Setting.Field) = Setting.Default; },
               Definition.Setting);
}

std::span<const TSettingDefinition> SettingDefinitions() {
  return Definitions;
}

void LoadSettings(TSettings& Settings, const std::string& FileName) {
  std::error_code Error;
  if (!std::filesystem::exists(Utf8ToPath(FileName), Error))
    return;
  try {
    const TIniFile Ini = TIniFile::LoadFromFile(FileName);
    const bool LegacySleep = ReadBoolean(Ini, General, LegacySleepKey, false);
    for (const TSettingDefinition& Definition : Definitions) {
      if (Definition.CoveredByLegacyKey && LegacySleep) {
        Settings.*(std::get<TBooleanSetting>(Definition.Setting).Field) = true;
        continue;
      }
      ReadSetting(Ini, Definition, Settings);
    }
  } catch (const std::exception&) {
    // A settings file that cannot be read leaves the values as they are; the program starts
    // with them and writes a good file at exit.
  }
}

bool SaveSettings(const TSettings& Settings, const std::string& FileName,
                  const TFileReplacer& Replace) {
  try {
    TIniFile Ini;
    for (const TSettingDefinition& Definition : Definitions)
      WriteSetting(Ini, Definition, Settings);
    Ini.SaveToFile(FileName, Replace);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

std::string WebInterfaceAddress(const TSettings& Settings) {
  const std::string Host =
      Settings.WebInterfaceIP == "0.0.0.0" ? std::string("127.0.0.1") : Settings.WebInterfaceIP;
  return std::string(Settings.WebInterfaceHTTPS ? "https" : "http") + "://" + Host + ":" +
         std::to_string(Settings.WebInterfacePort);
}
