#include "actions/uMasks.h"

#include <gtest/gtest.h>

#include "actions/uTextCompare.h"

namespace {

struct TMaskCase {
  const char* Mask;
  const char* Text;
  bool Matches;
};

TEST(MaskTest, MatchesWholeTextsWithoutRegardToCase) {
  const TMaskCase Cases[] = {
      {"*", "", true},
      {"*", "anything at all", true},
      {"*pad", "Untitled - Notepad", true},
      {"*PAD", "Untitled - notepad", true},
      {"*pad", "Notepad++ window", false},  // the whole title must match
      {"Note*", "Notepad", true},
      {"*te*", "Notepad", true},
      {"N*d", "Notepad", true},
      {"N*d", "Notepads", false},
      {"a*b*c", "aXbYbZc", true},
      {"a*b*c", "aXcYb", false},
      {"**x", "abx", true},
      {"?", "", false},
      {"?", "x", true},
      {"?", "xy", false},
      {"???pad", "Notpad", true},
      {"no?epad", "NOTEPAD", true},
      {"?*", "", false},
      {"[abc]x", "bx", true},
      {"[abc]x", "dx", false},
      {"[ABC]x", "bX", true},
      {"[a-f]1", "D1", true},
      {"[a-f]1", "g1", false},
      {"[A-Z]*", "q", true},
      {"[0-9][0-9]", "42", true},
      {"[0-9][0-9]", "4a", false},
      {"[!0-9]*", "x1", true},
      {"[!0-9]*", "1x", false},
      {"[!a]", "A", false},
      {"[-a]", "-", true},
      {"[a-]", "-", true},
      {"[a-]", "b", false},
      {"*[xz]", "Firefox", true},
      {"Écran*", "écran de veille", true},  // case folding past ASCII
      {"*ДОКУМЕНТ", "Мой документ", true},
      {"?", "é", true},  // one character, two bytes
      {"[à-ÿ]", "É", true},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(testing::Message()
                 << "mask \"" << Case.Mask << "\", text \"" << Case.Text << "\"");
    EXPECT_EQ(MatchesMask(Case.Text, Case.Mask), Case.Matches);
  }
}

TEST(MaskTest, MalformedSetsAreRefusedWithTheMaskInTheMessage) {
  for (const char* Mask : {"[abc", "*[", "[]", "[!]", "[z-a]", "x[!a-"}) {
    SCOPED_TRACE(Mask);
    try {
      TMask Refused(Mask);
      ADD_FAILURE() << "accepted";
    } catch (const EMaskError& Error) {
      EXPECT_EQ(Error.what(), "The char set in mask \"" + std::string(Mask) + "\" is not valid!");
    }
  }
}

TEST(MaskTest, OnlyStarAndQuestionMarkMakeAMask) {
  EXPECT_TRUE(HasMaskWildcards("*pad"));
  EXPECT_TRUE(HasMaskWildcards("Note?ad"));
  EXPECT_FALSE(HasMaskWildcards("[Untitled] - Notepad"));
  EXPECT_FALSE(HasMaskWildcards(""));
}

TEST(TextCompareTest, CaseInsensitiveComparisonCoversCommonAlphabets) {
  struct TCase {
    const char* A;
    const char* B;
    bool Same;
  };
  const TCase Cases[] = {
      {"NOTEPAD.EXE", "notepad.exe", true},
      {"ÄRGER.EXE", "ärger.exe", true},
      {"ΣΟΦΙΑ.exe", "σοφια.EXE", true},
      {"ПРОВОДНИК.exe", "проводник.exe", true},
      {"ŁÓDŹ.exe", "łódź.exe", true},
      {"STRASSE", "straße", false},  // simple folding: one character stays one character
      {"notepad.exe", "notepad.ex", false},
      {"a\xff", "A\xff", true},  // bytes that are not UTF-8 compare as themselves
      {"a\xff", "a\xfe", false},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(testing::Message() << Case.A << " / " << Case.B);
    EXPECT_EQ(SameTextIgnoringCase(Case.A, Case.B), Case.Same);
  }
  EXPECT_FALSE(SameText("ÄRGER", "ärger"));
  EXPECT_TRUE(SameText("Notepad.EXE", "notepad.exe"));
}

TEST(TextCompareTest, TrimsBlanksAndControlCharacters) {
  EXPECT_EQ(TrimBlanks(" \t notepad.exe \r\n"), "notepad.exe");
  EXPECT_TRUE(IsBlank(" \t\r\n"));
  EXPECT_FALSE(IsBlank(" x "));
}

}  // namespace
