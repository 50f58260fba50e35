#include "actions/uWindowsVersion.h"

#include <gtest/gtest.h>

namespace {

struct TVersionCase {
  TOsVersion Version;
  TWindowsVersion Expected;
};

TEST(WindowsVersionTest, LevelFollowsPlatformMajorAndMinor) {
  using enum TWindowsVersion;
  const TVersionCase Cases[] = {
      {{0, 3, 10}, wvWin32s}, {{1, 4, 0}, wv95},       {{1, 4, 10}, wv98},  {{1, 4, 90}, wvME},
      {{1, 4, 3}, wvUnknown}, {{1, 5, 0}, wvUnknown},  {{2, 3, 51}, wvNT4}, {{2, 4, 0}, wvNT4},
      {{2, 5, 0}, wv2000},    {{2, 5, 1}, wvXP},       {{2, 5, 2}, wvXP},   {{2, 6, 0}, wvVista},
      {{2, 6, 1}, wv7},       {{2, 6, 2}, wv8},        {{2, 6, 3}, wv81},   {{2, 6, 4}, wvUnknown},
      {{2, 7, 0}, wvUnknown}, {{2, 9, 9}, wvUnknown},  {{2, 10, 0}, wv10},  {{2, 10, 1}, wvNewer},
      {{2, 11, 0}, wvNewer},  {{3, 10, 0}, wvUnknown},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(testing::Message() << "platform " << Case.Version.PlatformId << ", "
                                    << Case.Version.Major << "." << Case.Version.Minor);
    EXPECT_EQ(GetWindowsVersion(Case.Version), Case.Expected);
  }
}

TEST(WindowsVersionTest, XPOrLaterComparesByOrder) {
  EXPECT_FALSE(IsWindowsXPOrLater(TWindowsVersion::wv2000));
  EXPECT_TRUE(IsWindowsXPOrLater(TWindowsVersion::wvXP));
  EXPECT_TRUE(IsWindowsXPOrLater(TWindowsVersion::wvNewer));
  // An NT 6.4 nobody knows is "unknown", which sorts before XP.
  EXPECT_FALSE(IsWindowsXPOrLater(GetWindowsVersion({2, 6, 4})));
}

TEST(WindowsVersionTest, VistaOrLaterIsMajorSixAndUp) {
  EXPECT_FALSE(IsWindowsVistaOrLater(TOsVersion{2, 5, 2}));
  EXPECT_TRUE(IsWindowsVistaOrLater(TOsVersion{2, 6, 0}));
  EXPECT_TRUE(IsWindowsVistaOrLater(TOsVersion{2, 10, 0}));
}

}  // namespace
