#pragma once

#include <string>
#include <string_view>

#include "platform/uStorageSystem.h"

// Where the program keeps what it writes: "Settings.ini", the "Presets" folder and
// "Migration.log". By default that is the program's own folder; a "Storage.ini" beside the
// program names another one with path macros and environment variables. The process resolves
// its storage folder once, first thing at start, and keeps one TStorage for its whole run.
// Folders here always end with a path delimiter.
class TStorage {
 public:
  explicit TStorage(TStorageSystem& System);

  // Resolves the storage folder from StorageFileName ("Storage.ini") in the application
  // folder. The folder is not created here, only when something is written into it.
  void InitStorage(const std::string& StorageFileName, const std::string& VendorName,
                   const std::string& AppName);

  const std::string& StorageFolder() const { return FStorageFolder; }
  // The storage folder followed by "Settings.ini".
  const std::string& SettingsFileName() const { return FSettingsFileName; }
  const std::string& ApplicationFolder() const { return FApplicationFolder; }
  const std::string& ApplicationFileName() const { return FApplicationFileName; }

  // Replaces every known macro such as #USER# (names match exactly, case and all); unknown
  // macros and macros without a value stay as they are.
  std::string ExpandPathMacros(std::string Text, const std::string& VendorName,
                               const std::string& AppName) const;
  // Replaces each %NAME% whose variable exists and is not empty; others stay as they are.
  std::string ExpandEnvironmentVariables(std::string Text) const;
  // Where Windows puts the files that a program without the right to write to Folder wrote
  // there; empty before Vista and when Folder is on another drive than the local application
  // data.
  std::string VirtualStoreFolder(const std::string& Folder) const;

  // Brings the settings of an older installation into the storage folder: the legacy settings
  // file (the program's name with ".ini") and the "Presets" folder from the application folder
  // or its VirtualStore, then renames the legacy file to "Settings.ini". Each step is recorded
  // in "Migration.log"; problems are only recorded there. True when anything was copied or
  // renamed.
  bool MigrateSettings();

 private:
  std::string MacroValue(std::string_view Macro, const std::string& VendorName,
                         const std::string& AppName) const;
  std::string SpecialFolderWithDelimiter(TSpecialFolder Folder) const;

  TStorageSystem& FSystem;
  std::string FApplicationFileName;
  std::string FApplicationFolder;
  std::string FStorageFolder;
  std::string FSettingsFileName;
};
