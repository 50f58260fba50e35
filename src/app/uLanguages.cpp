#include "app/uLanguages.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "app/uLanguagesStrings.h"
#include "app/uPoFile.h"
#include "app/uTranslationCheck.h"
#include "core/uFilePaths.h"
#include "core/uStringUtils.h"

namespace {

// The windowing library's own texts have a translation file of their own, in this subfolder.
constexpr char kLibraryStringsFolder[] = "LCLStrConsts";
constexpr char kLibraryStringsName[] = "lclstrconsts";

bool HasPoExtension(std::string_view Name) {
  return Name.size() > 3 && SameText(Name.substr(Name.size() - 3), ".po");
}

// The regular files of Folder in name order, so that "the first file" is the same on every
// system and every run.
std::vector<std::string> FilesOf(const std::string& Folder) {
  std::vector<std::string> Names;
  std::error_code Error;
  std::filesystem::directory_iterator It(Utf8ToPath(Folder), Error);
  for (; !Error && It != std::filesystem::directory_iterator(); It.increment(Error)) {
    std::error_code Ignored;
    if (It->is_regular_file(Ignored))
      Names.push_back(PathToUtf8(It->path().filename()));
  }
  std::sort(Names.begin(), Names.end());
  return Names;
}

bool FileExistsAt(const std::string& FileName) {
  std::error_code Ignored;
  return std::filesystem::is_regular_file(Utf8ToPath(FileName), Ignored);
}

// The first file of Folder whose name is any base name, ".", Code and ".po".
std::string FindTranslationFile(const std::string& Folder, const std::string& Code) {
  const std::string Ending = "." + Code + ".po";
  for (const std::string& Name : FilesOf(Folder))
    if (Name.size() >= Ending.size() && SameText(Name.substr(Name.size() - Ending.size()), Ending))
      return IncludeTrailingPathDelimiter(Folder) + Name;
  return {};
}

TTranslationResult InstallFile(const std::string& FileName, const std::string& Code,
                               std::span<const TResString* const> Catalog) {
  TTranslationResult Result;
  const std::optional<std::string> Text = ReadPoFile(FileName);
  if (!Text)
    return Result;
  Result = InstallTranslations(*Text, Catalog);
  Result.FileName = FileName;
  Result.Code = Code;
  return Result;
}

}  // namespace

TTranslationResult InstallTranslations(std::string_view PoText,
                                       std::span<const TResString* const> Catalog) {
  std::map<std::string, const TResString*, std::less<>> ById;
  for (const TResString* Text : Catalog)
    ById.emplace(LowerCaseAscii(Text->Id), Text);

  TTranslationResult Result;
  std::set<const TResString*> Installed;
  for (const TPoEntry& Entry : ParsePo(PoText).Entries) {
    // Lazarus names an entry by its "#:" references; entries whose English text is shared
    // also carry the identifier as their context.
    std::set<const TResString*> Targets;
    std::vector<std::string> Names = Entry.References;
    if (Entry.Context)
      Names.push_back(*Entry.Context);
    for (const std::string& Name : Names)
      if (auto Found = ById.find(LowerCaseAscii(Name)); Found != ById.end())
        Targets.insert(Found->second);
    // Untranslated, unchecked (fuzzy) and plural entries are not translations of one text.
    if (Targets.empty() || Entry.Fuzzy || Entry.IdPlural || Entry.Texts.size() != 1 ||
        Entry.Texts.front().empty())
      continue;
    const std::string& Translation = Entry.Texts.front();
    for (const TResString* Target : Targets) {
      // A translation of an older English text may say something else, or fill other values.
      if (Entry.Id != Target->Default || !IsValidUtf8(Translation) ||
          !SamePlaceholders(Target->Default, Translation)) {
        ++Result.Rejected;
        continue;
      }
      if (Installed.insert(Target).second) {
        SetResourceTranslation(Target->Id, Translation);
        ++Result.Installed;
      }
    }
  }
  return Result;
}

bool IsLanguageCode(std::string_view Code) {
  if (Code.empty() || Code.size() > 32)
    return false;
  return std::all_of(Code.begin(), Code.end(), [](char C) {
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') || C == '_' ||
           C == '-' || C == '@';
  });
}

bool IsRightToLeftLanguageCode(std::string_view Code) {
  static const std::set<std::string, std::less<>> kRightToLeft = {
      "ar",  "arc", "ckb", "dv", "fa",  "he", "iw", "ks", "nqo",
      "pnb", "prs", "ps",  "sd", "syr", "ug", "ur", "yi"};
  const std::string Language = LowerCaseAscii(Code.substr(0, Code.find_first_of("_-@")));
  return kRightToLeft.count(Language) > 0;
}

bool IsDifferentLanguage(std::string_view Setting, std::string_view Chosen) {
  auto Effective = [](std::string_view Code) {
    return Code.empty() ? std::string_view(kLanguageAutomatic) : Code;
  };
  return !SameText(Effective(Setting), Effective(Chosen));
}

std::string DifferentLanguageMessage(const TLanguages& Languages, std::string_view Chosen) {
  std::string Text = ResStr(ulanguages::sdifferentlanguage);
  if (const std::optional<TLanguageInfo> Info = Languages.FindLanguage(Chosen)) {
    Text += "\r\n" + ResStr(ulanguages::slanguage) + ": " + TLanguages::LanguageCaption(*Info);
    if (!Info->Translators.empty())
      Text += "\r\n" + ResStr(ulanguages::stranslators) + ": " + Info->Translators;
  }
  return std::string(TrimBlanks(Text));
}

std::optional<std::string> ApplyLanguageChoice(std::string& LanguageCodeSetting,
                                               const TLanguages& Languages,
                                               const std::string& Chosen) {
  if (!IsDifferentLanguage(LanguageCodeSetting, Chosen))
    return std::nullopt;
  LanguageCodeSetting = Chosen;
  return DifferentLanguageMessage(Languages, Chosen);
}

TLanguages::TLanguages(TLanguageSystem& System, std::span<const TResString* const> Catalog)
    : FSystem(System), FCatalog(Catalog) {}

void TLanguages::Start(const std::string& LanguagesFolder, const std::string& LanguageCode,
                       const std::string& BiDiCode) {
  FLanguageCode = LanguageCode.empty() ? std::string(kLanguageAutomatic) : LanguageCode;
  FBiDiCode = BiDiCode.empty() ? std::string("AUTO") : BiDiCode;

  if (SameText(FLanguageCode, kLanguageAutomatic)) {
    const TSystemLanguage System = FSystem.UserLanguage();
    if (!System.Language.empty()) {
      const std::string Full =
          System.Country.empty() ? System.Language : System.Language + "_" + System.Country;
      FTranslation = ApplyTranslation(LanguagesFolder, Full, System.Language);
    }
  } else if (!SameText(FLanguageCode, kLanguageDefault)) {
    FTranslation = ApplyTranslation(LanguagesFolder, FLanguageCode, {});
  }

  // English stays left to right even on a right-to-left system: the layout follows the texts
  // the user will read.
  const bool TextsRightToLeft = !FTranslation.FileName.empty() && IsRightToLeft(FTranslation.Code);
  if (SameText(FBiDiCode, "AUTO"))
    FRightToLeft = TextsRightToLeft;
  else if (SameText(FBiDiCode, "LTR"))
    FRightToLeft = false;
  else if (SameText(FBiDiCode, "RTL"))
    FRightToLeft = true;
  if (FRightToLeft)
    FSystem.SetRightToLeftLayout(*FRightToLeft);
}

TTranslationResult TLanguages::ApplyTranslation(const std::string& Folder, const std::string& Code,
                                                const std::string& Fallback) {
  std::vector<std::string> Codes;
  for (const std::string& Candidate : {Code, Fallback})
    if (IsLanguageCode(Candidate))
      Codes.push_back(Candidate);

  TTranslationResult Result;
  for (const std::string& Candidate : Codes) {
    const std::string FileName = FindTranslationFile(Folder, Candidate);
    if (!FileName.empty()) {
      Result = InstallFile(FileName, Candidate, FCatalog);
      break;
    }
  }
  // The windowing library's texts, independently of whether the program's file was found.
  const std::string LibraryFolder = IncludeTrailingPathDelimiter(Folder) + kLibraryStringsFolder;
  for (const std::string& Candidate : Codes) {
    const std::string FileName =
        IncludeTrailingPathDelimiter(LibraryFolder) + kLibraryStringsName + "." + Candidate + ".po";
    if (FileExistsAt(FileName)) {
      (void)InstallFile(FileName, Candidate, FCatalog);
      break;
    }
  }
  return Result;
}

bool TLanguages::IsRightToLeft(const std::string& Code) {
  if (const std::optional<bool> Known = FSystem.IsRightToLeft(Code))
    return *Known;
  return IsRightToLeftLanguageCode(Code);
}

void TLanguages::ScanLanguages(const std::string& LanguagesFolder, const std::string& FlagsFolder) {
  Languages.clear();
  for (const std::string& Name : FilesOf(LanguagesFolder)) {
    if (!HasPoExtension(Name))
      continue;
    const std::string_view Stem = std::string_view(Name).substr(0, Name.size() - 3);
    const std::size_t Dot = Stem.rfind('.');
    if (Dot == std::string_view::npos || !IsLanguageCode(Stem.substr(Dot + 1)))
      continue;
    TLanguageInfo Info;
    Info.FileName = IncludeTrailingPathDelimiter(LanguagesFolder) + Name;
    Info.Code = std::string(Stem.substr(Dot + 1));
    const std::optional<std::string> Text = ReadPoFile(Info.FileName);
    if (!Text)
      continue;
    const std::optional<std::string> Header = ParsePo(*Text).Header;
    if (!Header)
      continue;
    Info.Country = PoHeaderField(*Header, "X-Country:");
    Info.CountryName = PoHeaderField(*Header, "X-Country-Name:");
    Info.Language = PoHeaderField(*Header, "Language:");
    Info.LanguageName = PoHeaderField(*Header, "X-Language-Name:");
    Info.LanguageNameNative = PoHeaderField(*Header, "X-Language-Name-Native:");
    Info.Translators = PoHeaderField(*Header, "X-Translators:");
    // The country becomes part of a file name; only a plain code may.
    if (IsLanguageCode(Info.Country))
      Info.FlagFile =
          IncludeTrailingPathDelimiter(FlagsFolder) + LowerCaseAscii(Info.Country) + ".png";
    Languages.push_back(std::move(Info));
  }
  std::stable_sort(Languages.begin(), Languages.end(),
                   [](const TLanguageInfo& A, const TLanguageInfo& B) {
                     if (int Order = CompareText(A.LanguageName, B.LanguageName))
                       return Order < 0;
                     if (int Order = CompareText(A.CountryName, B.CountryName))
                       return Order < 0;
                     return CompareText(A.Code, B.Code) < 0;
                   });
}

std::vector<TLanguageMenuItem> TLanguages::BuildMenu() {
  FMenu.clear();
  ItemNames.clear();
  auto Add = [this](std::string Caption, std::string Name, const std::string& FlagFile) {
    TLanguageMenuItem Item;
    Item.Caption = std::move(Caption);
    Item.Checked = SameText(Name, FLanguageCode);
    if (!Item.Checked && !FlagFile.empty() && FileExistsAt(FlagFile))
      Item.FlagFile = FlagFile;
    ItemNames.push_back(Name);
    Item.Name = std::move(Name);
    FMenu.push_back(std::move(Item));
  };
  auto AddSeparator = [this] { FMenu.push_back({lmkSeparator, "-", {}, false, {}}); };

  Add(ResStr(ulanguages::soriginalenglish), kLanguageDefault, {});
  if (!Languages.empty()) {
    Add(ResStr(ulanguages::sautodetect), kLanguageAutomatic, {});
    AddSeparator();
    for (const TLanguageInfo& Info : Languages)
      Add(LanguageCaption(Info), Info.Code, Info.FlagFile);
  }
  if (OnHowToTranslate) {
    AddSeparator();
    FMenu.push_back({lmkHowToTranslate, ResStr(ulanguages::showtotranslate), {}, false, {}});
  }
  return FMenu;
}

void TLanguages::MenuItemClicked(std::size_t Position) {
  if (Position >= FMenu.size())
    return;
  // A copy: the handler may rebuild the menu.
  const TLanguageMenuItem Item = FMenu[Position];
  if (Item.Kind == lmkLanguage && OnLanguageSelected)
    OnLanguageSelected(Item.Name);
  else if (Item.Kind == lmkHowToTranslate && OnHowToTranslate)
    OnHowToTranslate();
}

std::optional<TLanguageInfo> TLanguages::FindLanguage(std::string_view Code) const {
  if (SameText(Code, kLanguageAutomatic) || SameText(Code, kLanguageDefault))
    return std::nullopt;
  for (const TLanguageInfo& Info : Languages)
    if (SameText(Info.Code, Code))
      return Info;
  return std::nullopt;
}

std::string TLanguages::LanguageCaption(const TLanguageInfo& Info) {
  if (Info.LanguageName.empty())
    return "[" + Info.Code + "]";
  if (Info.LanguageNameNative.empty())
    return Info.LanguageName;
  return Info.LanguageName + " - " + Info.LanguageNameNative;
}
