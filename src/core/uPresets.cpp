#include "core/uPresets.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/uFilePaths.h"
#include "core/uIniFile.h"
#include "core/uPresetsStrings.h"
#include "core/uStringUtils.h"
#include "platform/uUserInterface.h"

namespace {

constexpr std::string_view kDefaultPreset = "[default]";
constexpr std::string_view kPresetExtension = ".kpr";
constexpr std::string_view kGeneralSection = "General";

bool StartsWithText(std::string_view Text, std::string_view Prefix) {
  return Text.size() >= Prefix.size() && SameText(Text.substr(0, Prefix.size()), Prefix);
}

bool FileExists(const std::string& FileName) {
  std::error_code Error;
  return std::filesystem::is_regular_file(Utf8ToPath(FileName), Error);
}

}  // namespace

TPresets::TPresets(std::string StorageFolder, const TKoKindRegistry& Registry, TPresetHost& Host,
                   TUserInterface& UserInterface, TFileReplacer Replace)
    : FStorageFolder(IncludeTrailingPathDelimiter(std::move(StorageFolder))),
      FRegistry(Registry),
      FHost(Host),
      FUserInterface(UserInterface),
      FReplace(std::move(Replace)) {}

std::string TPresets::PresetsFolder() const {
  return FStorageFolder + "Presets" + PathDelim;
}

std::string TPresets::PresetFileName(std::string_view Name) const {
  return PresetsFolder() + std::string(Name) + std::string(kPresetExtension);
}

bool TPresets::IsDefaultPreset(std::string_view Name) {
  return SameText(Name, kDefaultPreset);
}

TPresets::TResolved TPresets::ResolvePreset(std::string_view NameOrPath) const {
  if (std::none_of(NameOrPath.begin(), NameOrPath.end(), IsPathDelimiter))
    return {PresetFileName(NameOrPath), std::string(NameOrPath)};
  return {std::string(NameOrPath), ChangeFileExt(ExtractFileName(NameOrPath), "")};
}

bool TPresets::LoadPreset(std::string_view NameOrPath) {
  const TResolved Preset = ResolvePreset(NameOrPath);
  if (!FileExists(Preset.FileName))
    return false;
  const TIniFile File = TIniFile::LoadFromFile(Preset.FileName);

  // The logic is a byte in the file format; a larger number wraps as it always did.
  const auto Logic = static_cast<std::uint8_t>(File.ReadInteger(kGeneralSection, "Logic", kolALL));
  // Build every object before touching the lists, so a broken file changes nothing.
  TKoEvents Events;
  TKoActions Actions;
  for (const std::string& Section : File.Sections()) {
    const std::string ID = File.ReadString(Section, "ID", "");
    const std::string Config = File.ReadString(Section, "Config", "");
    if (StartsWithText(Section, "Event")) {
      if (auto Event = FRegistry.CreateEvent(ID)) {
        Event->SetConfigText(Config);
        Events.push_back(std::move(Event));
      }
    } else if (StartsWithText(Section, "Action")) {
      if (auto Action = FRegistry.CreateAction(ID)) {
        Action->SetConfigText(Config);
        Actions.push_back(std::move(Action));
      }
    }
  }
  FHost.SetSelectedLogic(Logic);
  FHost.SetEventRows(Events);
  FHost.SetActionRows(Actions);
  if (!IsDefaultPreset(Preset.Name))
    FCurrentPresetName = Preset.Name;
  return true;
}

bool TPresets::SavePreset(std::string_view Name, bool AskOverwrite) {
  const std::string FileName = PresetFileName(Name);
  if (AskOverwrite && !IsDefaultPreset(Name) && FileExists(FileName)) {
    const TDialogResult Answer = FUserInterface.MessageDialog(
        {}, ResStr(upresets::sfileexistsoverwiteprompt), dkConfirmation, dbYesNo);
    if (Answer != drYes)
      return false;
  }
  TIniFile File;
  File.WriteInteger(kGeneralSection, "Logic", FHost.GetSelectedLogic());
  const TKoEvents Events = FHost.GetEventObjects();
  for (std::size_t I = 0; I < Events.size(); ++I) {
    const std::string Section = "Event" + std::to_string(I + 1);
    File.WriteString(Section, "ID", Events[I]->ID());
    File.WriteString(Section, "Config", Events[I]->GetConfigText());
  }
  const TKoActions Actions = FHost.GetActionObjects();
  for (std::size_t I = 0; I < Actions.size(); ++I) {
    const std::string Section = "Action" + std::to_string(I + 1);
    File.WriteString(Section, "ID", Actions[I]->ID());
    File.WriteString(Section, "Config", Actions[I]->GetConfigText());
  }
  File.SaveToFile(FileName, FReplace);
  if (!IsDefaultPreset(Name))
    FCurrentPresetName = std::string(Name);
  return true;
}

std::vector<std::string> TPresets::ListPresets() const {
  std::vector<std::string> Names;
  std::error_code Error;
  for (std::filesystem::directory_iterator It(Utf8ToPath(PresetsFolder()), Error), End;
       !Error && It != End; It.increment(Error)) {
    if (!It->is_regular_file(Error))
      continue;
    const std::string FileName = PathToUtf8(It->path().filename());
    // Windows matches "*.kpr" without regard to case; so do we, everywhere.
    if (FileName.size() <= kPresetExtension.size() ||
        !SameText(std::string_view(FileName).substr(FileName.size() - kPresetExtension.size()),
                  kPresetExtension))
      continue;
    std::string Name = FileName.substr(0, FileName.size() - kPresetExtension.size());
    if (!IsDefaultPreset(Name))
      Names.push_back(std::move(Name));
  }
  std::sort(Names.begin(), Names.end(),
            [](const std::string& A, const std::string& B) { return CompareText(A, B) < 0; });
  return Names;
}

void TPresets::LoadDefaultPresetAtStart(bool SaveAndLoadDefaultPreset) {
  if (!SaveAndLoadDefaultPreset || !FCurrentPresetName.empty())
    return;
  try {
    (void)LoadPreset(kDefaultPreset);
  } catch (const std::exception&) {
    // A damaged default preset must not stop the program from starting.
  }
}

void TPresets::SaveDefaultPresetAtExit(bool SaveAndLoadDefaultPreset) {
  if (!SaveAndLoadDefaultPreset)
    return;
  try {
    (void)SavePreset(kDefaultPreset, false);
  } catch (const std::exception&) {
    // Nothing can be reported while the program closes; the previous file is intact.
  }
}
