#include "app/uTranslationCheck.h"

#include <gtest/gtest.h>

namespace {

TEST(TranslationCheckTest, PlaceholdersMustFillTheSameArgumentsTheSameWay) {
  const struct {
    const char* English;
    const char* Translation;
    bool Same;
  } Cases[] = {
      {"Ready", "Bereit", true},
      {"Running for %s", "L\xC3\xA4uft seit %s", true},
      {"Created %d links.", "%d Verkn\xC3\xBCpfungen erstellt.", true},
      {"%d mins %d secs", "%d Min. %d Sek.", true},
      {"%s in %s", "%1:s w %0:s", true},      // reordered, as some languages need
      {"%s: %s", "%0:s (%0:s): %1:s", true},  // repeated
      {"%s", "%-10s", true},                  // width and alignment only change layout
      {"%.2f MB", "%.1f Mo", true},
      {"%d%%", "%d %%", true},                                  // a literal percent sign
      {"100% sure", "100 % s\xC3\xBBr", true},                  // "% " is text to Format
      {"100% sure", "100%s sicher", false},                     // "%s" is not
      {"100 percent", "100 %", true},                           // a lone % is text
      {"Running for %s", "L\xC3\xA4uft", false},                // an argument dropped
      {"Ready", "Bereit %s", false},                            // an argument that is never passed
      {"Created %d links.", "%s Verkn\xC3\xBCpfungen", false},  // text where a number goes
      {"%s in %s", "%s", false},
      {"%s in %s", "%2:s", false},
      {"%u of %x", "%d von %X", true},  // the same kind of value
      {"%f", "%g", true},
      {"%f", "%d", false},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(SamePlaceholders(Case.English, Case.Translation), Case.Same)
        << Case.English << " / " << Case.Translation;
}

TEST(TranslationCheckTest, AcceptsOnlyWellFormedUtf8) {
  const struct {
    std::string Text;
    bool Valid;
  } Cases[] = {
      {"", true},
      {"plain", true},
      {"\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80", true},
      {"\xEF\xBF\xBF", true},
      {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
      {"\xE4", false},              // Latin-1 a-umlaut
      {"\xC3", false},              // cut short
      {"\x80", false},              // a stray continuation byte
      {"\xC0\xAF", false},          // overlong
      {"\xE0\x80\xAF", false},      // overlong
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
      {"\xF8\x88\x80\x80\x80", false},
      {"ok \xC3\x28", false},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(IsValidUtf8(Case.Text), Case.Valid) << testing::PrintToString(Case.Text);
}

}  // namespace
