#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/uAtomicFile.h"

// The program's settings, kept in "Settings.ini" in the storage folder. A fresh object holds the
// defaults. The process keeps one for its whole run: loaded at start, changed by the options
// dialog, the language menu and the main window's placement, and written back at exit.
struct TSettings {
  TSettings();
  bool operator==(const TSettings&) const = default;

  // [General]
  std::string LanguageCode;
  std::string BiDiCode;
  bool AlwaysOnTop;
  bool MinimizeOnEventsStart;
  bool MinimizeOnProgramLaunch;
  bool StartEventsOnProgramLaunch;
  bool MinimizeOnCloseClick;
  bool StopOnSleep;
  bool StartOnWakeUp;
  bool StartOnWakeUpOnlyIfWasRunning;
  bool PreventSystemSleepWhileRunning;
  bool ShowTrayMessages;
  bool HideTrayIcon;
  bool AppOnlyOneInstance;
  bool IncreaseTablesFontSize;
  bool SaveAndLoadDefaultPreset;
  bool EventStatusInTrayIconHint;
  bool EventDetailsInTrayIconHint;

  // [Positions]; -1 means that nothing is stored yet and the window keeps its designed place.
  int MainPosX;
  int MainPosY;
  int MainWidth;
  int MainHeight;
  std::string EventsListColumnWidths;
  std::string ActionsListColumnWidths;

  // [WebInterface]
  bool WebInterfaceEnabled;
  bool WebInterfaceHTTPS;
  std::string WebInterfaceIP;
  std::uint16_t WebInterfacePort;
  std::string WebInterfaceUsername;
  std::string WebInterfacePassword;  // PasswordDigest of the password, or empty
  bool WebInterfaceAllowCmdExec;

  // [Protection]
  bool ProtectionEnabled;
  std::string ProtectionPassword;  // PasswordDigest of the password, or empty
};

// One setting: where it lives in the file, which field holds it and its default. Every setting
// is defined once, in the table below, and read, written and reset through it.
template <typename TValue, typename TDefault = TValue>
struct TSettingField {
  TValue TSettings::*Field;
  TDefault Default;
};
using TTextSetting = TSettingField<std::string, std::string_view>;
// Written "1" or "0"; read as true only when the value starts with "1".
using TBooleanSetting = TSettingField<bool>;
using TIntegerSetting = TSettingField<int>;
// A port number: values outside 0..65535 are not ports and leave the value as it was.
using TPortSetting = TSettingField<std::uint16_t>;

struct TSettingDefinition {
  std::string_view Section;
  std::string_view Key;
  std::variant<TTextSetting, TBooleanSetting, TIntegerSetting, TPortSetting> Setting;
  // Set from "StopOnSuspendAndRestartOnWakeUp", the single key that older versions had for it.
  bool CoveredByLegacyKey = false;
};

// All settings in the order of the file.
std::span<const TSettingDefinition> SettingDefinitions();

// Reads FileName over Settings. Keys that are missing or empty keep the value Settings holds;
// a missing or unreadable file changes nothing and is not reported.
void LoadSettings(TSettings& Settings, const std::string& FileName);

// Rewrites FileName whole with every setting. False when that failed, in which case the
// previous file is untouched. Replace is for tests that make the last step of the save fail.
[[nodiscard]] bool SaveSettings(const TSettings& Settings, const std::string& FileName,
                                const TFileReplacer& Replace = {});

// The address a browser opens to reach the web interface, such as "http://127.0.0.1:80".
std::string WebInterfaceAddress(const TSettings& Settings);
