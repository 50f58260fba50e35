#include "app/uLanguages.h"

#include <gtest/gtest.h>

#include "app/uPoFile.h"
#include "platform/sim/uSimLanguageSystem.h"
#include "support/uTempFolder.h"

namespace {

namespace testunit {
inline constexpr TResString sready{"testunit.sready", "Ready"};
inline constexpr TResString srunning{"testunit.srunning", "Running for %s"};
inline constexpr TResString sitems{"testunit.sitems", "%s in %s"};
inline constexpr TResString sok{"testunit.sok", "OK"};
inline constexpr TResString sclose{"testunit.sclose", "OK"};  // the same English as sok
inline constexpr TResString sbutton{"lclstrconsts.rsmbyes", "&Yes"};
}  // namespace testunit

constexpr const TResString* kCatalog[] = {&testunit::sready, &testunit::srunning,
                                          &testunit::sitems, &testunit::sok,
                                          &testunit::sclose, &testunit::sbutton};

std::string Header(const std::string& Fields) {
  return PoStatement("msgid", "") + PoStatement("msgstr", Fields) + "\n";
}

std::string Entry(const std::string& Id, const std::string& English, const std::string& Text) {
  return "#: " + Id + "\n" + PoStatement("msgid", English) + PoStatement("msgstr", Text) + "\n";
}

// A translation of Ready only, in the language its name says.
std::string ReadyIn(const std::string& Word) {
  return Header("Language: x\n") + Entry("testunit.sready", "Ready", Word);
}

class TranslationTest : public ::testing::Test {
 protected:
  ~TranslationTest() override { ClearResourceTranslations(); }
};

TEST_F(TranslationTest, InstallsEntriesThatTranslateTheCurrentEnglishText) {
  const std::string Po =
      Header("Language: de\n") +
      // Matched by reference, in any letter case.
      Entry("TestUnit.SReady", "Ready", "Bereit") +
      // Arguments reordered.
      Entry("testunit.sitems", "%s in %s", "%1:s: %0:s") +
      // Shared English told apart by the context; an unknown reference beside a known one.
      "#: unknown.sthing\nmsgctxt \"testunit.sclose\"\nmsgid \"OK\"\nmsgstr \"Schlie\xC3\x9F"
      "en\"\n\n" +
      // Not a resource string of the program: ignored.
      Entry("other.sready", "Ready", "Fertig");
  const TTranslationResult Result = InstallTranslations(Po, kCatalog);
  EXPECT_EQ(Result.Installed, 3u);
  EXPECT_EQ(Result.Rejected, 0u);
  EXPECT_EQ(ResStr(testunit::sready), "Bereit");
  EXPECT_EQ(ResStr(testunit::sitems), "%1:s: %0:s");
  EXPECT_EQ(ResStr(testunit::sclose),
            "Schlie\xC3\x9F"
            "en");
  EXPECT_EQ(ResStr(testunit::sok), "OK") << "the context named only sclose";
  EXPECT_EQ(ResStr(testunit::srunning), "Running for %s");
}

TEST_F(TranslationTest, LeavesOutWhatIsNotASafeTranslation) {
  const struct {
    const char* Why;
    std::string Po;
    bool Rejected;
  } Cases[] = {
      {"stale English", Entry("testunit.srunning", "Running since %s", "L\xC3\xA4uft seit %s"),
       true},
      {"argument dropped", Entry("testunit.srunning", "Running for %s", "L\xC3\xA4uft"), true},
      {"number for text", Entry("testunit.srunning", "Running for %s", "L\xC3\xA4uft %d"), true},
      {"extra argument", Entry("testunit.srunning", "Running for %s", "%s %s"), true},
      {"Latin-1 bytes", Entry("testunit.srunning", "Running for %s", "L\xE4uft seit %s"), true},
      {"fuzzy", "#, fuzzy\n" + Entry("testunit.srunning", "Running for %s", "Rennt %s"), false},
      {"untranslated", Entry("testunit.srunning", "Running for %s", ""), false},
      {"plural",
       "#: testunit.srunning\nmsgid \"Running for %s\"\nmsgid_plural \"x\"\n"
       "msgstr[0] \"L\xC3\xA4uft %s\"\n",
       false},
      {"broken quotes",
       "#: testunit.srunning\nmsgid \"Running for %s\"\nmsgstr \"L\xC3\xA4uft %s\n", false},
      {"obsolete", "#~ msgid \"Running for %s\"\n#~ msgstr \"L\xC3\xA4uft %s\"\n", false},
  };
  for (const auto& Case : Cases) {
    ClearResourceTranslations();
    const TTranslationResult Result =
        InstallTranslations(Header("Language: de\n") + Case.Po, kCatalog);
    EXPECT_EQ(ResStr(testunit::srunning), "Running for %s") << Case.Why;
    EXPECT_EQ(Result.Installed, 0u) << Case.Why;
    EXPECT_EQ(Result.Rejected, Case.Rejected ? 1u : 0u) << Case.Why;
  }
}

TEST_F(TranslationTest, TheFirstOfTwoEntriesForOneStringWins) {
  InstallTranslations(
      Entry("testunit.sready", "Ready", "Bereit") + Entry("testunit.sready", "Ready", "Fertig"),
      kCatalog);
  EXPECT_EQ(ResStr(testunit::sready), "Bereit");
}

class LanguagesTest : public TranslationTest {
 protected:
  void Write(const std::string& Name, const std::string& Content) {
    WriteBytes(Folder.Text("Languages") + PathDelim + Name, Content);
  }
  std::string LanguagesFolder() const { return Folder.Text("Languages"); }
  std::string FlagsFolder() const { return LanguagesFolder() + PathDelim + "Flags"; }

  TTempFolder Folder;
  TSimLanguageSystem System;
  TLanguages Languages{System, kCatalog};
};

TEST_F(LanguagesTest, StartAppliesTheChosenOrTheSystemsLanguage) {
  const struct {
    const char* Setting;
    TSystemLanguage SystemLanguage;
    std::vector<const char*> Files;  // each translates Ready as its own name
    const char* Applied;             // the file used, or "" for English
  } Cases[] = {
      // An empty setting follows the system, falling back to the language without country.
      {"", {"de", "DE"}, {"kolvane.de.po"}, "kolvane.de.po"},
      {"AUTOMATIC", {"de", "DE"}, {"kolvane.de.po", "kolvane.de_DE.po"}, "kolvane.de_DE.po"},
      {"automatic", {"pt", "BR"}, {"kolvane.pt.po", "kolvane.pt_BR.po"}, "kolvane.pt_BR.po"},
      {"AUTOMATIC", {"de", ""}, {"kolvane.de.po"}, "kolvane.de.po"},
      {"AUTOMATIC", {"fr", "FR"}, {"kolvane.de.po"}, ""},
      {"AUTOMATIC", {"", ""}, {"kolvane.de.po"}, ""},
      // DEFAULT in any letter case is English.
      {"DEFAULT", {"de", "DE"}, {"kolvane.de.po"}, ""},
      {"Default", {"de", "DE"}, {"kolvane.de.po"}, ""},
      // A chosen code, in any letter case, whatever the system speaks.
      {"de", {"fr", "FR"}, {"kolvane.de.po", "kolvane.fr.po"}, "kolvane.de.po"},
      {"DE", {"fr", "FR"}, {"kolvane.de.po"}, "kolvane.de.po"},
      {"pt_BR", {"en", "US"}, {"a.pt_BR.po", "b.pt_BR.po", "kolvane.pt.po"}, "a.pt_BR.po"},
      {"de_AT", {"en", "US"}, {"kolvane.de.po"}, ""},
      {"sv", {"en", "US"}, {"kolvane.de.po"}, ""},
      // Codes that are no codes never reach the file system.
      {"..\\de", {"en", "US"}, {"kolvane.de.po"}, ""},
      {"*", {"en", "US"}, {"kolvane.de.po"}, ""},
  };
  for (const auto& Case : Cases) {
    ClearResourceTranslations();
    TTempFolder Fresh;
    for (const char* File : Case.Files)
      WriteBytes(Fresh.Text(File), ReadyIn(File));
    System.Language = Case.SystemLanguage;
    TLanguages Subject(System, kCatalog);
    Subject.Start(Fresh.Text(), Case.Setting, "");
    const std::string Expected = *Case.Applied ? Case.Applied : "Ready";
    EXPECT_EQ(ResStr(testunit::sready), Expected)
        << Case.Setting << " " << Case.SystemLanguage.Language;
    EXPECT_EQ(Subject.Translation().FileName, *Case.Applied ? Fresh.Text(Case.Applied) : "");
    EXPECT_EQ(Subject.LanguageCode(), *Case.Setting ? Case.Setting : "AUTOMATIC");
  }
}

TEST_F(LanguagesTest, TheLibrarysOwnTextsComeFromTheirSubfolder) {
  Write("LCLStrConsts/lclstrconsts.de.po",
        Header("Language: de\n") + Entry("lclstrconsts.rsmbyes", "&Yes", "&Ja"));
  System.Language = {"de", "DE"};
  Languages.Start(LanguagesFolder(), "", "");
  EXPECT_EQ(ResStr(testunit::sbutton), "&Ja") << "even without a file for the program";
  EXPECT_EQ(ResStr(testunit::sready), "Ready");
}

TEST_F(LanguagesTest, TextDirectionFollowsTheTextsUnlessForced) {
  const struct {
    const char* Setting;
    const char* BiDi;
    TSystemLanguage SystemLanguage;
    const char* File;
    std::optional<bool> RightToLeft;
  } Cases[] = {
      {"ar", "", {"en", "US"}, "kolvane.ar.po", true},
      {"ar", "AUTO", {"en", "US"}, "kolvane.ar.po", true},
      {"", "", {"ar", "SA"}, "kolvane.ar.po", true},
      {"", "", {"he", "IL"}, "kolvane.he.po", true},
      {"fa", "", {"en", "US"}, "kolvane.fa.po", true},  // unknown to this system: the list knows
      {"de", "", {"ar", "SA"}, "kolvane.de.po", false},
      // English texts stay left to right on a right-to-left system.
      {"", "", {"ar", "SA"}, "kolvane.de.po", false},
      {"ar", "", {"en", "US"}, "", false},
      // Forced either way, English included.
      {"DEFAULT", "RTL", {"en", "US"}, "", true},
      {"de", "rtl", {"en", "US"}, "kolvane.de.po", true},
      {"ar", "LTR", {"en", "US"}, "kolvane.ar.po", false},
      // Anything else leaves the direction alone.
      {"ar", "SIDEWAYS", {"en", "US"}, "kolvane.ar.po", std::nullopt},
  };
  for (const auto& Case : Cases) {
    ClearResourceTranslations();
    TTempFolder Fresh;
    if (*Case.File)
      WriteBytes(Fresh.Text(Case.File), ReadyIn(Case.File));
    TSimLanguageSystem Machine;
    Machine.Language = Case.SystemLanguage;
    TLanguages Subject(Machine, kCatalog);
    Subject.Start(Fresh.Text(), Case.Setting, Case.BiDi);
    EXPECT_EQ(Subject.RightToLeft(), Case.RightToLeft) << Case.Setting << " " << Case.BiDi;
    EXPECT_EQ(Machine.Layout, Case.RightToLeft) << Case.Setting << " " << Case.BiDi;
    EXPECT_EQ(Subject.BiDiCode(), *Case.BiDi ? Case.BiDi : "AUTO");
  }
}

TEST(RightToLeftLanguageCodeTest, KnowsTheScriptsWrittenRightToLeft) {
  for (const char* Code : {"ar", "AR_eg", "he", "fa_IR", "ur", "yi", "ckb", "ps-AF", "ug"})
    EXPECT_TRUE(IsRightToLeftLanguageCode(Code)) << Code;
  for (const char* Code : {"", "de", "en_US", "arn", "hr", "pt_BR", "sr@latin"})
    EXPECT_FALSE(IsRightToLeftLanguageCode(Code)) << Code;
}

TEST_F(LanguagesTest, ScanLanguagesListsTheFilesWithACodeAndAHeaderSorted) {
  Write("kolvane.pt_BR.po",
        Header("Language: pt_BR\nX-Language-Name: Portuguese\nX-Language-Name-Native: "
               "Portugu\xC3\xAAs\nX-Country: BR\nX-Country-Name: Brazil\n"));
  Write("kolvane.pt.po", Header("Language: pt\nX-Language-Name: Portuguese\nX-Country: PT\n"
                                "X-Country-Name: Portugal\n"));
  Write("kolvane.de.po",
        Header("Language: de\nX-Language-Name: German\nX-Language-Name-Native: Deutsch\n"
               "X-Country: DE\nX-Country-Name: Germany\nX-Translators: Anna, Bernd\n"));
  Write("KOLVANE.XX.PO", Header("Language: xx\n"));  // no name: shown by its code
  Write("kolvane.po", Header("Language: en\nX-Language-Name: No code\n"));
  Write("kolvane.fr.po", "msgid \"Ready\"\nmsgstr \"Pr\xC3\xAAt\"\n");  // no header
  Write("kolvane.it.pot", Header("X-Language-Name: Template\n"));
  Write("kolvane.a b.po", Header("X-Language-Name: Bad code\n"));
  Write("LCLStrConsts/lclstrconsts.de.po", Header("X-Language-Name: Library\n"));
  Write("readme.txt", "not a translation");

  Languages.ScanLanguages(LanguagesFolder(), FlagsFolder());
  std::vector<std::string> Codes;
  for (const TLanguageInfo& Info : Languages.Languages)
    Codes.push_back(Info.Code);
  // No name sorts first; then Portuguese of Brazil before Portuguese of Portugal.
  EXPECT_EQ(Codes, (std::vector<std::string>{"XX", "de", "pt_BR", "pt"}));

  const TLanguageInfo& German = Languages.Languages[1];
  EXPECT_EQ(German.FileName, LanguagesFolder() + PathDelim + "kolvane.de.po");
  EXPECT_EQ(German.Language, "de");
  EXPECT_EQ(German.LanguageName, "German");
  EXPECT_EQ(German.LanguageNameNative, "Deutsch");
  EXPECT_EQ(German.Country, "DE");
  EXPECT_EQ(German.CountryName, "Germany");
  EXPECT_EQ(German.Translators, "Anna, Bernd");
  EXPECT_EQ(German.FlagFile, FlagsFolder() + PathDelim + "de.png");
  EXPECT_EQ(Languages.Languages[0].FlagFile, "") << "no country, no flag";

  // A second scan starts afresh.
  Languages.ScanLanguages(Folder.Text("missing"), FlagsFolder());
  EXPECT_TRUE(Languages.Languages.empty());
}

TEST_F(LanguagesTest, FindsLanguagesByCodeAndNamesThem) {
  Write("kolvane.de.po", Header("X-Language-Name: German\nX-Language-Name-Native: Deutsch\n"));
  Write("kolvane.sv.po", Header("X-Language-Name: Swedish\n"));
  Write("kolvane.xx.po", Header("Language: xx\n"));
  Languages.ScanLanguages(LanguagesFolder(), FlagsFolder());

  const struct {
    const char* Code;
    const char* Caption;  // nullptr: not found
  } Cases[] = {
      {"de", "German - Deutsch"},
      {"DE", "German - Deutsch"},
      {"sv", "Swedish"},
      {"xx", "[xx]"},
      {"fr", nullptr},
      {"DEFAULT", nullptr},
      {"automatic", nullptr},
      {"", nullptr},
  };
  for (const auto& Case : Cases) {
    const std::optional<TLanguageInfo> Found = Languages.FindLanguage(Case.Code);
    ASSERT_EQ(Found.has_value(), Case.Caption != nullptr) << Case.Code;
    if (Found) {
      EXPECT_EQ(TLanguages::LanguageCaption(*Found), Case.Caption);
    }
  }
}

std::vector<std::string> Captions(const std::vector<TLanguageMenuItem>& Menu) {
  std::vector<std::string> Result;
  for (const TLanguageMenuItem& Item : Menu)
    Result.push_back((Item.Checked ? "*" : "") + Item.Caption);
  return Result;
}

TEST_F(LanguagesTest, WithoutTranslationsTheMenuOffersOnlyEnglish) {
  Languages.Start(LanguagesFolder(), "", "");
  Languages.ScanLanguages(LanguagesFolder(), FlagsFolder());
  EXPECT_EQ(Captions(Languages.BuildMenu()), std::vector<std::string>{"Original (English)"});
  EXPECT_EQ(Languages.ItemNames, std::vector<std::string>{"DEFAULT"});

  Languages.OnHowToTranslate = [] {};
  EXPECT_EQ(Captions(Languages.BuildMenu()),
            (std::vector<std::string>{"Original (English)", "-", "How to translate?"}));
}

TEST_F(LanguagesTest, TheMenuListsTheLanguagesChecksTheChosenOneAndShowsFlags) {
  Write("kolvane.de.po", Header("X-Language-Name: German\nX-Country: DE\n"));
  Write("kolvane.pl.po", Header("X-Language-Name: Polish\nX-Country: PL\n"));  // no flag file
  Write("kolvane.sv.po", Header("X-Language-Name: Swedish\nX-Country: SE\n"));
  Write("Flags/de.png", "png");
  Write("Flags/se.png", "png");
  Languages.Start(LanguagesFolder(), "SV", "");
  Languages.ScanLanguages(LanguagesFolder(), FlagsFolder());
  std::vector<std::string> Chosen;
  int HowTo = 0;
  Languages.OnLanguageSelected = [&](const std::string& Code) { Chosen.push_back(Code); };
  Languages.OnHowToTranslate = [&] { ++HowTo; };

  const std::vector<TLanguageMenuItem> Menu = Languages.BuildMenu();
  EXPECT_EQ(Captions(Menu),
            (std::vector<std::string>{"Original (English)", "Autodetect", "-", "German", "Polish",
                                      "*Swedish", "-", "How to translate?"}));
  EXPECT_EQ(Languages.ItemNames,
            (std::vector<std::string>{"DEFAULT", "AUTOMATIC", "de", "pl", "sv"}));
  EXPECT_EQ(Menu[2].Kind, lmkSeparator);
  EXPECT_EQ(Menu[7].Kind, lmkHowToTranslate);
  EXPECT_EQ(Menu[3].FlagFile, FlagsFolder() + PathDelim + "de.png");
  EXPECT_EQ(Menu[4].FlagFile, "") << "the flag file does not exist";
  EXPECT_EQ(Menu[5].FlagFile, "") << "the checked item shows its check, not its flag";
  EXPECT_EQ(Menu[0].FlagFile, "");

  for (std::size_t Position : {0u, 1u, 2u, 3u, 5u, 7u, 99u})
    Languages.MenuItemClicked(Position);
  EXPECT_EQ(Chosen, (std::vector<std::string>{"DEFAULT", "AUTOMATIC", "de", "sv"}));
  EXPECT_EQ(HowTo, 1);
}

TEST_F(LanguagesTest, TheCheckFollowsTheSettingInAnyLetterCase) {
  Write("kolvane.de.po", Header("X-Language-Name: German\n"));
  Languages.ScanLanguages(LanguagesFolder(), FlagsFolder());
  const struct {
    const char* Setting;
    const char* Checked;
  } Cases[] = {{"", "Autodetect"},
               {"automatic", "Autodetect"},
               {"default", "Original (English)"},
               {"De", "German"}};
  for (const auto& Case : Cases) {
    Languages.Start(LanguagesFolder(), Case.Setting, "");
    std::vector<std::string> Checked;
    for (const TLanguageMenuItem& Item : Languages.BuildMenu())
      if (Item.Checked)
        Checked.push_back(Item.Caption);
    EXPECT_EQ(Checked, std::vector<std::string>{Case.Checked}) << Case.Setting;
  }
}

TEST_F(LanguagesTest, ChoosingAnotherLanguageChangesTheSettingAndSaysSo) {
  Write("kolvane.de.po", Header("X-Language-Name: German\nX-Language-Name-Native: Deutsch\n"
                                "X-Translators: Anna, Bernd\n"));
  Write("kolvane.sv.po", Header("X-Language-Name: Swedish\n"));
  Languages.ScanLanguages(LanguagesFolder(), FlagsFolder());
  const std::string Restart =
      "You have selected a different language.\r\n\r\nPlease restart the application.";
  const struct {
    const char* Setting;
    const char* Chosen;
    const char* Message;  // nullptr: no change, nothing shown
  } Cases[] = {
      {"", "de", "\r\n\r\nLanguage: German - Deutsch\r\nTranslators: Anna, Bernd"},
      {"de", "sv", "\r\n\r\nLanguage: Swedish"},
      {"de", "DEFAULT", ""},
      {"de", "fr", ""},
      {"de", "de", nullptr},
      {"de", "DE", nullptr},
      {"", "AUTOMATIC", nullptr},
      {"automatic", "AUTOMATIC", nullptr},
      {"default", "DEFAULT", nullptr},
      {"AUTOMATIC", "DEFAULT", ""},
  };
  for (const auto& Case : Cases) {
    std::string Setting = Case.Setting;
    const std::optional<std::string> Message = ApplyLanguageChoice(Setting, Languages, Case.Chosen);
    ASSERT_EQ(Message.has_value(), Case.Message != nullptr) << Case.Setting << " " << Case.Chosen;
    if (Message) {
      EXPECT_EQ(*Message, Restart + Case.Message);
      EXPECT_EQ(Setting, Case.Chosen);
    } else {
      EXPECT_EQ(Setting, Case.Setting);
    }
  }
}

}  // namespace
