#include "app/uStorage.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/uStringUtils.h"
#include "core/uFilePaths.h"

namespace fs = std::filesystem;

namespace {

// The names of the files and folders in the storage folder, and the lines of "Migration.log".
// The log is a record for support, read as it was written, so its texts are not translated.
constexpr std::string_view SettingsName = "Settings.ini";
constexpr std::string_view PresetsName = "Presets";
constexpr std::string_view MigrationLogName = "Migration.log";
constexpr std::string_view VirtualStoreName = "VirtualStore";
constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view ResultOK = "OK";
constexpr std::string_view ResultFailed = " FAILED";

bool FileExists(const std::string& FileName) {
  std::error_code Error;
  return fs::is_regular_file(Utf8ToPath(FileName), Error);
}

bool DirectoryExists(const std::string& Folder) {
  std::error_code Error;
  return fs::is_directory(Utf8ToPath(Folder), Error);
}

// "C:" of "C:\Program Files\", empty for a path without a drive letter.
std::string_view DriveOf(std::string_view Path) {
  const auto IsLetter = [](char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'); };
  const bool HasDrive = Path.size() >= 2 && IsLetter(Path[0]) && Path[1] == ':';
  return HasDrive ? Path.substr(0, 2) : std::string_view();
}

bool OnSameDrive(std::string_view Left, std::string_view Right) {
  const std::string_view LeftDrive = DriveOf(Left);
  const std::string_view RightDrive = DriveOf(Right);
  if (!LeftDrive.empty() || !RightDrive.empty())
    return !LeftDrive.empty() && SameText(LeftDrive, RightDrive);
  // Where there are no drive letters, all absolute paths share the one tree.
  return PathDelim == '/' && Left.starts_with('/') && Right.starts_with('/');
}

std::string ReadWholeFile(const std::string& FileName) {
  std::ifstream Stream(Utf8ToPath(FileName), std::ios::binary);
  if (!Stream)
    return {};
  return std::string(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
}

// A copy that never overwrites and keeps the source's time of last change, so that an older
// installation's files look as old as they are.
bool CopyFileKeepingTime(const fs::path& Source, const fs::path& Target) {
  std::error_code Error;
  if (fs::exists(Target, Error) || Error)
    return false;
  if (!fs::copy_file(Source, Target, fs::copy_options::none, Error) || Error)
    return false;
  const fs::file_time_type Time = fs::last_write_time(Source, Error);
  if (!Error)
    fs::last_write_time(Target, Time, Error);
  return true;
}

// Copies the tree below Source into Target. Files that exist in Target already are kept as
// they are and do not count as failures: a user's newer presets win over the old ones.
bool CopyTree(const fs::path& Source, const fs::path& Target) {
  std::error_code Error;
  fs::create_directories(Target, Error);
  if (Error)
    return false;
  bool Succeeded = true;
  std::error_code WalkError;
  for (fs::recursive_directory_iterator It(Source, WalkError), End; !WalkError && It != End;
       It.increment(WalkError)) {
    const fs::path Destination = Target / It->path().lexically_relative(Source);
    std::error_code EntryError;
    if (It->is_directory(EntryError)) {
      fs::create_directories(Destination, EntryError);
    } else if (It->is_regular_file(EntryError) && !fs::exists(Destination, EntryError) &&
               !EntryError) {
      if (!CopyFileKeepingTime(It->path(), Destination))
        Succeeded = false;
    }
    if (EntryError)
      Succeeded = false;
  }
  return Succeeded && !WalkError;
}

class TMigrationLog {
 public:
  void Add(std::string_view Label, std::string_view Value) {
    FText.append(Label).append(Value).append(LineEnd);
  }
  void AddResult(std::string_view Label, bool Succeeded) {
    Add(Label, Succeeded ? ResultOK : ResultFailed);
  }
  // Appends to the log in Folder; a log that cannot be written must not stop the program.
  void AppendTo(const std::string& Folder) const {
    std::error_code Error;
    fs::create_directories(Utf8ToPath(Folder), Error);
    std::ofstream Stream(Utf8ToPath(Folder + std::string(MigrationLogName)),
                         std::ios::binary | std::ios::app);
    Stream << FText;
  }

 private:
  std::string FText;
};

bool CopyFileLogged(const std::string& Source, const std::string& Target, TMigrationLog& Log) {
  if (!FileExists(Source)) {
    Log.Add("File not found: ", Source);
    return false;
  }
  std::error_code Error;
  fs::create_directories(Utf8ToPath(ExtractFilePath(Target)), Error);
  const bool Succeeded = CopyFileKeepingTime(Utf8ToPath(Source), Utf8ToPath(Target));
  Log.Add("Copy from: ", Source);
  Log.Add("Copy to: ", Target);
  Log.AddResult("Copy result: ", Succeeded);
  return Succeeded;
}

bool CopyFolderLogged(const std::string& Source, const std::string& Target, TMigrationLog& Log) {
  if (!DirectoryExists(Source)) {
    Log.Add("Directory not found: ", Source);
    return false;
  }
  const bool Succeeded = CopyTree(Utf8ToPath(Source), Utf8ToPath(Target));
  Log.Add("Copy from: ", Source);
  Log.Add("Copy to: ", Target);
  Log.AddResult("Copy result: ", Succeeded);
  return Succeeded;
}

bool RenameFileLogged(const std::string& Source, const std::string& Target, TMigrationLog& Log) {
  if (!FileExists(Source)) {
    Log.Add("File not found: ", Source);
    return false;
  }
  std::error_code Error;
  fs::create_directories(Utf8ToPath(ExtractFilePath(Target)), Error);
  // Renaming onto an existing file would replace it; settings found there are kept instead.
  bool Succeeded = !fs::exists(Utf8ToPath(Target), Error) && !Error;
  if (Succeeded) {
    fs::rename(Utf8ToPath(Source), Utf8ToPath(Target), Error);
    Succeeded = !Error;
  }
  Log.Add("Rename from: ", Source);
  Log.Add("Rename to: ", Target);
  Log.AddResult("Rename result: ", Succeeded);
  return Succeeded;
}

}  // namespace

TStorage::TStorage(TStorageSystem& System)
    : FSystem(System),
      FApplicationFileName(System.ApplicationFileName()),
      FApplicationFolder(ExtractFilePath(FApplicationFileName)) {}

void TStorage::InitStorage(const std::string& StorageFileName, const std::string& VendorName,
                           const std::string& AppName) {
  std::string Folder;
  const std::string TemplateFile = FApplicationFolder + StorageFileName;
  if (FileExists(TemplateFile))
    Folder = ReadWholeFile(TemplateFile);
  // Editors add a byte-order mark and a final line break that nobody means as part of a
  // folder name; Windows cannot even create such a folder, and every save would then fail.
  if (Folder.starts_with("\xEF\xBB\xBF"))
    Folder.erase(0, 3);
  while (!Folder.empty() && (Folder.back() == '\r' || Folder.back() == '\n'))
    Folder.pop_back();
  if (!Folder.empty())
    Folder = ExpandPathMacros(std::move(Folder), VendorName, AppName);
  if (!Folder.empty())
    Folder = ExpandEnvironmentVariables(std::move(Folder));
  if (Folder.empty())
    Folder = FApplicationFolder;
  FStorageFolder = IncludeTrailingPathDelimiter(std::move(Folder));
  FSettingsFileName = FStorageFolder + std::string(SettingsName);
}

std::string TStorage::ExpandPathMacros(std::string Text, const std::string& VendorName,
                                       const std::string& AppName) const {
  std::size_t Position = 0;
  for (;;) {
    const std::size_t Opening = Text.find('#', Position);
    if (Opening == Text.npos)
      break;
    const std::size_t Closing = Text.find('#', Opening + 1);
    if (Closing == Text.npos)
      break;
    const std::size_t Length = Closing - Opening + 1;
    const std::string Value =
        MacroValue(std::string_view(Text).substr(Opening, Length), VendorName, AppName);
    if (Value.empty()) {
      Position = Closing + 1;
    } else {
      Text.replace(Opening, Length, Value);
      Position = Opening + Value.size();
    }
  }
  return Text;
}

std::string TStorage::ExpandEnvironmentVariables(std::string Text) const {
  std::size_t Opening = Text.find('%');
  while (Opening != Text.npos) {
    const std::size_t Closing = Text.find('%', Opening + 1);
    if (Closing == Text.npos)
      break;
    const std::string Name = Text.substr(Opening + 1, Closing - Opening - 1);
    const std::optional<std::string> Value =
        Name.empty() ? std::nullopt : FSystem.EnvironmentVariable(Name);
    if (Value && !Value->empty()) {
      Text.replace(Opening, Closing - Opening + 1, *Value);
      Opening = Text.find('%', Opening + Value->size());
    } else {
      Opening = Text.find('%', Closing + 1);
    }
  }
  return Text;
}

std::string TStorage::VirtualStoreFolder(const std::string& Folder) const {
  if (!FSystem.IsWindowsVistaOrLater())
    return {};
  const std::string LocalAppData = FSystem.SpecialFolder(TSpecialFolder::sfLocalAppData);
  if (LocalAppData.empty() || !OnSameDrive(Folder, LocalAppData))
    return {};
  std::string_view Rest = std::string_view(Folder).substr(DriveOf(Folder).size());
  while (!Rest.empty() && IsPathDelimiter(Rest.front()))
    Rest.remove_prefix(1);
  return IncludeTrailingPathDelimiter(LocalAppData) + std::string(VirtualStoreName) + PathDelim +
         std::string(Rest);
}

bool TStorage::MigrateSettings() {
  TMigrationLog Log;
  Log.Add("Migration initiated at ", FSystem.LocalDateTimeText());
  const std::string LegacyName = ChangeFileExt(ExtractFileName(FApplicationFileName), ".ini");

  std::string Source;
  if (FApplicationFolder != FStorageFolder && FileExists(FApplicationFolder + LegacyName))
    Source = FApplicationFolder;
  if (Source.empty() && FSystem.IsWindowsVistaOrLater()) {
    const std::string VirtualStore = VirtualStoreFolder(FApplicationFolder);
    if (!VirtualStore.empty() && FileExists(VirtualStore + LegacyName))
      Source = VirtualStore;
  }

  bool Migrated = false;
  if (!Source.empty() && Source != FStorageFolder) {
    Log.Add("Source directory: ", Source);
    Log.Add("Target directory: ", FStorageFolder);
    if (CopyFileLogged(Source + LegacyName, FStorageFolder + LegacyName, Log))
      Migrated = true;
    if (CopyFolderLogged(Source + std::string(PresetsName),
                         FStorageFolder + std::string(PresetsName), Log))
      Migrated = true;
  }
  if (FileExists(FStorageFolder + LegacyName) &&
      RenameFileLogged(FStorageFolder + LegacyName, FSettingsFileName, Log))
    Migrated = true;

  Log.AppendTo(FStorageFolder);
  return Migrated;
}

std::string TStorage::MacroValue(std::string_view Macro, const std::string& VendorName,
                                 const std::string& AppName) const {
  const auto UnderVendor = [&](const std::string& Folder) {
    return Folder.empty() ? Folder : Folder + VendorName + PathDelim + AppName + PathDelim;
  };
  if (Macro == "#ALL#")
    return UnderVendor(SpecialFolderWithDelimiter(TSpecialFolder::sfCommonDocuments));
  if (Macro == "#USER#")
    return UnderVendor(SpecialFolderWithDelimiter(TSpecialFolder::sfPersonal));
  if (Macro == "#PUBLICDOCUMENTS#")
    return SpecialFolderWithDelimiter(TSpecialFolder::sfCommonDocuments);
  if (Macro == "#USERDOCUMENTS#")
    return SpecialFolderWithDelimiter(TSpecialFolder::sfPersonal);
  if (Macro == "#USERPROFILE#")
    return SpecialFolderWithDelimiter(TSpecialFolder::sfProfile);
  if (Macro == "#WORKINGDIR#")
    return FSystem.CurrentDirectory();
  if (Macro == "#APPDIR#")
    return FApplicationFolder;
  if (Macro == "#APPVENDOR#")
    return VendorName;
  if (Macro == "#APPNAME#")
    return AppName;
  return {};
}

std::string TStorage::SpecialFolderWithDelimiter(TSpecialFolder Folder) const {
  const std::string Path = FSystem.SpecialFolder(Folder);
  return Path.empty() ? Path : IncludeTrailingPathDelimiter(Path);
}
