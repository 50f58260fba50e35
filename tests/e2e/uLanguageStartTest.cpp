// kolvane.exe applies the language of its settings at start-up from its "Languages" folder.

#include <gtest/gtest.h>

#include "uKolvaneProcess.h"

namespace {

// The text of the warning that a missing preset named on the command line brings up.
std::wstring MissingPresetWarning(const TKolvaneCopy& Copy) {
  TKolvaneProcess Kolvane(Copy, {L"/preset", L"Nowhere"});
  HWND Warning = Kolvane.WaitForWindow(L"#32770", L"Kolvane", 20000);
  if (!Warning)
    return L"(no warning)";
  std::wstring Shown;
  for (HWND Text = FindWindowExW(Warning, nullptr, L"Static", nullptr); Text;
       Text = FindWindowExW(Warning, Text, L"Static", nullptr))
    if (!WindowText(Text).empty())
      Shown = WindowText(Text);
  PostMessageW(Warning, WM_COMMAND, IDOK, 0);
  if (HWND Window = Kolvane.WaitForMainWindow(20000))
    PostMessageW(Window, WM_CLOSE, 0, 0);
  Kolvane.WaitForExit(20000);
  return Shown;
}

std::string DutchFile(const std::string& Translation) {
  return "msgid \"\"\nmsgstr \"\"\n\"Language: nl\\n\"\n\"X-Language-Name: Dutch\\n\"\n\n"
         "#: upresets.sfailedtoloadpresetname\n"
         "msgid \"Failed to load preset: %s\"\n"
         "msgstr \"" +
         Translation + "\"\n";
}

TEST(LanguageStartTest, TheChosenTranslationIsInUseFromTheStart) {
  TKolvaneCopy Copy;
  Copy.WriteFile("Settings.ini", "[General]\r\nLanguageCode=NL\r\n");
  Copy.WriteFile("Languages\\kolvane.nl.po", DutchFile("Voorinstelling %s niet geladen"));
  EXPECT_EQ(MissingPresetWarning(Copy), L"Voorinstelling Nowhere niet geladen");
}

TEST(LanguageStartTest, ATranslationThatDropsItsValueIsNotUsed) {
  TKolvaneCopy Copy;
  Copy.WriteFile("Settings.ini", "[General]\r\nLanguageCode=nl\r\n");
  Copy.WriteFile("Languages\\kolvane.nl.po", DutchFile("Voorinstelling niet geladen"));
  EXPECT_EQ(MissingPresetWarning(Copy), L"Failed to load preset: Nowhere");
}

}  // namespace
