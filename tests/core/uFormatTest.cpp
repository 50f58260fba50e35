#include "core/uFormat.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
  const char* Pattern;
  std::string Expected;
};

TEST(FormatTest, FillsPlaceholdersInOrder) {
  EXPECT_EQ(Format("Wait %s", {"0:10:00"}), "Wait 0:10:00");
  EXPECT_EQ(Format("Monitoring %d event(s)", {3}), "Monitoring 3 event(s)");
  EXPECT_EQ(Format("%s <> %d", {"a", -5}), "a <> -5");
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("%.1f%%", {12.345}), "12.3%");
  EXPECT_EQ(Format("%1:s %0:s", {"world", "hello"}), "hello world");
  EXPECT_EQ(Format("[%5s|%-5s]", {"ab", "cd"}), "[   ab|cd   ]");
  EXPECT_EQ(Format("%.3d", {7}), "007");
  EXPECT_EQ(Format("%x", {255}), "FF");
}

TEST(FormatTest, NeverFailsOnPatternsFromTranslators) {
  const FormatCase Cases[] = {
      {"%s and %s", "one and "},  // missing argument reads as empty
      {"50%", "50%"},             // lone percent at the end
      {"%q %s", "%q one"},        // unknown specifier copied as it stands
      {"%", "%"},
      {"%9:s", ""},  // index beyond the arguments
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(Format(Case.Pattern, {"one"}), Case.Expected) << Case.Pattern;
  EXPECT_LE(Format("%999999999999d", {1}).size(), 4096u) << "absurd widths are bounded";
}

}  // namespace
