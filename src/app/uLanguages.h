#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/uResourceStrings.h"
#include "platform/uLanguageSystem.h"

// One translation found in the languages folder, as its PO file's header describes it.
struct TLanguageInfo {
  std::string FileName;  // full path of the PO file
  std::string Code;      // from the file name: "de" for "kolvane.de.po"
  std::string FlagFile;  // flags folder + lower-case Country + ".png"; empty without a country
  std::string Country;
  std::string CountryName;
  std::string Language;
  std::string LanguageName;
  std::string LanguageNameNative;
  std::string Translators;
};

enum TLanguageMenuItemKind : std::uint8_t { lmkLanguage, lmkSeparator, lmkHowToTranslate };

// One entry of the Language menu, for the main window to show as it is.
struct TLanguageMenuItem {
  TLanguageMenuItemKind Kind = lmkLanguage;
  std::string Caption;
  std::string Name;      // the language code it selects: "DEFAULT", "AUTOMATIC" or a file's code
  bool Checked = false;  // the language chosen now
  std::string FlagFile;  // an existing flag image to show beside it; never on the checked item
};

// What a translation file gave at start-up.
struct TTranslationResult {
  std::string FileName;       // the file applied; empty when none matched
  std::string Code;           // the code whose file it was (the fallback's when that matched)
  std::size_t Installed = 0;  // translations now in use
  std::size_t Rejected = 0;   // entries left out because they did not fit their English text
};

inline constexpr char kLanguageDefault[] = "DEFAULT";
inline constexpr char kLanguageAutomatic[] = "AUTOMATIC";

// The process's language manager. Start applies the chosen translation once, before any window
// or other thread exists; ScanLanguages and BuildMenu give the main window its Language menu.
// Catalog is every resource string of the program: translations are matched to it by their
// "unit.identifier" references and accepted only when they translate its current English text
// with the same placeholders.
class TLanguages {
 public:
  TLanguages(TLanguageSystem& System, std::span<const TResString* const> Catalog);

  // Applies the language LanguageCode names ("DEFAULT": none; empty or "AUTOMATIC": the
  // system's) from LanguagesFolder and sets the text direction BiDiCode asks for ("AUTO",
  // "LTR", "RTL"; empty is "AUTO").
  void Start(const std::string& LanguagesFolder, const std::string& LanguageCode,
             const std::string& BiDiCode);

  // Fills Languages from the "*.po" files of LanguagesFolder that have a language code and a
  // header, sorted by language name, country name and code.
  void ScanLanguages(const std::string& LanguagesFolder, const std::string& FlagsFolder);

  // The Language menu; ItemNames lists the names of its language items in the same order.
  std::vector<TLanguageMenuItem> BuildMenu();
  // The user chose the entry at Position of the menu BuildMenu returned last.
  void MenuItemClicked(std::size_t Position);

  // The language with this code (letters compared without case); "DEFAULT" and "AUTOMATIC"
  // are never found.
  std::optional<TLanguageInfo> FindLanguage(std::string_view Code) const;
  // "German - Deutsch", "German", or "[de]" when the file names no language.
  static std::string LanguageCaption(const TLanguageInfo& Info);

  const std::string& LanguageCode() const { return FLanguageCode; }
  const std::string& BiDiCode() const { return FBiDiCode; }
  // The direction Start chose for the windows; nothing when BiDiCode left it alone.
  std::optional<bool> RightToLeft() const { return FRightToLeft; }
  // What Start applied from the program's translation file.
  const TTranslationResult& Translation() const { return FTranslation; }

  std::vector<std::string> ItemNames;
  std::function<void(const std::string& Code)> OnLanguageSelected;
  // When set, the menu ends with "How to translate?", which calls it.
  std::function<void()> OnHowToTranslate;
  std::vector<TLanguageInfo> Languages;

 private:
  TTranslationResult ApplyTranslation(const std::string& Folder, const std::string& Code,
                                      const std::string& Fallback);
  bool IsRightToLeft(const std::string& Code);

  TLanguageSystem& FSystem;
  std::span<const TResString* const> FCatalog;
  std::string FLanguageCode = kLanguageAutomatic;
  std::string FBiDiCode = "AUTO";
  std::optional<bool> FRightToLeft;
  TTranslationResult FTranslation;
  std::vector<TLanguageMenuItem> FMenu;
};

// Installs the translations of one PO file's text for the strings of Catalog, through
// SetResourceTranslation. Entries that are fuzzy, plural, untranslated, meant for another
// English text, not valid UTF-8 or with other placeholders are left out (and counted when they
// name a string of the catalogue).
TTranslationResult InstallTranslations(std::string_view PoText,
                                       std::span<const TResString* const> Catalog);

// Language codes are letters, digits, "_", "-" and "@" ("pt_BR", "sr@latin"); anything else
// could reach outside the languages folder when it becomes part of a file name.
bool IsLanguageCode(std::string_view Code);

// Whether a language is written right to left, for systems that do not say: Arabic, Hebrew,
// Persian, Urdu and the other languages in those scripts.
bool IsRightToLeftLanguageCode(std::string_view Code);

// Whether choosing Chosen in the menu changes the "LanguageCode" setting Setting: an empty
// setting is "AUTOMATIC", and codes compare without letter case.
bool IsDifferentLanguage(std::string_view Setting, std::string_view Chosen);

// The notice after choosing another language: the request to restart, then the language's
// caption and its translators when the list knows them.
std::string DifferentLanguageMessage(const TLanguages& Languages, std::string_view Chosen);

// The main window's answer to a language chosen in the menu: when it differs from the setting,
// the setting takes it (it is saved at exit and used at the next start) and the result is the
// notice to show; nothing when the language stays the same.
std::optional<std::string> ApplyLanguageChoice(std::string& LanguageCodeSetting,
                                               const TLanguages& Languages,
                                               const std::string& Chosen);
