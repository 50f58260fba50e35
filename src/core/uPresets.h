#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/uAtomicFile.h"
#include "core/uKindRegistry.h"
#include "core/uPresetHost.h"

class TUserInterface;

// Presets: the events, actions and logic of the user's lists saved as INI files "<name>.kpr" in
// the "Presets" folder of the storage folder. Loading replaces the lists, saving writes them;
// "[default]" (any letter case) is the preset kept across runs, never listed and never the
// current preset. One TPresets lives for the whole process and keeps the current preset name.
class TPresets {
 public:
  struct TResolved {
    std::string FileName;
    std::string Name;
  };

  // StorageFolder ends with a path delimiter. Replace is the last step of every save (tests
  // fail it on purpose); the default replaces the file atomically.
  TPresets(std::string StorageFolder, const TKoKindRegistry& Registry, TPresetHost& Host,
           TUserInterface& UserInterface, TFileReplacer Replace = {});

  std::string PresetsFolder() const;
  std::string PresetFileName(std::string_view Name) const;
  static bool IsDefaultPreset(std::string_view Name);
  // A text without a path delimiter is a name in the presets folder; anything else is a file,
  // whose name is its file name without folder and extension.
  TResolved ResolvePreset(std::string_view NameOrPath) const;

  // False when the file does not exist. A file that cannot be read, a configuration text the
  // codec rejects or an unknown logic raise, and then the lists are unchanged.
  bool LoadPreset(std::string_view NameOrPath);
  // False when the user declined to overwrite; raises EFileSave when the file cannot be
  // written, and then the previous file is intact.
  bool SavePreset(std::string_view Name, bool AskOverwrite);
  // Every preset's name, "[default]" left out, sorted ignoring letter case.
  std::vector<std::string> ListPresets() const;

  // The default preset at start and exit, when the user keeps it; failures pass silently.
  void LoadDefaultPresetAtStart(bool SaveAndLoadDefaultPreset);
  void SaveDefaultPresetAtExit(bool SaveAndLoadDefaultPreset);

  const std::string& CurrentPresetName() const { return FCurrentPresetName; }

 private:
  std::string FStorageFolder;
  const TKoKindRegistry& FRegistry;
  TPresetHost& FHost;
  TUserInterface& FUserInterface;
  TFileReplacer FReplace;
  std::string FCurrentPresetName;
};
