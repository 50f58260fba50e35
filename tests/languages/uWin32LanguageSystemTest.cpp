// The language port on Windows, and the language manager on a real file system, under Wine.

#include "platform/win32/uWin32LanguageSystem.h"

#include <gtest/gtest.h>

#include "app/uLanguages.h"
#include "app/uPoFile.h"
#include "platform/win32/uWindows.h"
#include "support/uTempFolder.h"

namespace {

namespace testunit {
inline constexpr TResString sready{"testunit.sready", "Ready"};
}  // namespace testunit
constexpr const TResString* kCatalog[] = {&testunit::sready};

bool IsLetters(const std::string& Text, char First, char Last) {
  if (Text.empty())
    return false;
  for (char C : Text)
    if (C < First || C > Last)
      return false;
  return true;
}

TEST(Win32LanguageSystemTest, NamesTheUsersLanguageAsLanguageAndCountryCodes) {
  TWin32LanguageSystem System;
  const TSystemLanguage Language = System.UserLanguage();
  EXPECT_TRUE(IsLetters(Language.Language, 'a', 'z') && Language.Language.size() <= 3)
      << Language.Language;
  EXPECT_TRUE(Language.Country.empty() ||
              (IsLetters(Language.Country, 'A', 'Z') && Language.Country.size() == 2))
      << Language.Country;
}

TEST(Win32LanguageSystemTest, KnowsWhichLanguagesAreWrittenRightToLeft) {
  TWin32LanguageSystem System;
  for (const char* Code : {"ar", "ar_SA", "he_IL", "fa"})
    EXPECT_EQ(System.IsRightToLeft(Code), true) << Code;
  for (const char* Code : {"en", "de_DE", "pt_BR", "ja"})
    EXPECT_EQ(System.IsRightToLeft(Code), false) << Code;
  EXPECT_EQ(System.IsRightToLeft(""), std::nullopt);
}

TEST(Win32LanguageSystemTest, TheLayoutAppliesToWindowsMadeAfterwards) {
  TWin32LanguageSystem System;
  System.SetRightToLeftLayout(true);
  DWORD Layout = 0;
  ASSERT_TRUE(GetProcessDefaultLayout(&Layout));
  EXPECT_EQ(Layout, static_cast<DWORD>(LAYOUT_RTL));
  HWND Window = CreateWindowExW(0, L"STATIC", L"rtl", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(Window, nullptr);
  EXPECT_NE(GetWindowLongPtrW(Window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL, 0);
  DestroyWindow(Window);

  System.SetRightToLeftLayout(false);
  ASSERT_TRUE(GetProcessDefaultLayout(&Layout));
  EXPECT_EQ(Layout, 0u);
}

// A translation named after the system's own language is the one an empty setting applies,
// from a folder whose name is not ASCII.
TEST(Win32LanguageSystemTest, AnEmptySettingAppliesTheSystemsLanguage) {
  TWin32LanguageSystem System;
  const std::string Code = System.UserLanguage().Language;
  TTempFolder Folder;
  const std::string Languages = Folder.Text(
      "Spr\xC3\xA4"
      "chen");
  WriteBytes(Languages + "\\kolvane." + Code + ".po",
             PoStatement("msgid", "") + PoStatement("msgstr", "X-Language-Name: Mine\n") +
                 "\n#: testunit.sready\n" + PoStatement("msgid", "Ready") +
                 PoStatement("msgstr", "\xE2\x9C\x93"));
  TLanguages Manager(System, kCatalog);
  Manager.Start(Languages, "", "");
  EXPECT_EQ(ResStr(testunit::sready), "\xE2\x9C\x93");
  Manager.ScanLanguages(Languages, Languages + "\\Flags");
  ASSERT_EQ(Manager.Languages.size(), 1u);
  EXPECT_EQ(Manager.Languages[0].Code, Code);
  EXPECT_EQ(Manager.Languages[0].LanguageName, "Mine");
  ClearResourceTranslations();
}

}  // namespace
