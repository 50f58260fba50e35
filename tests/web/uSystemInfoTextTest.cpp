#include "web/uSystemInfoText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(SystemInfoTextTest, UpTimeIsHoursMinutesSeconds) {
  const std::pair<std::uint64_t, const char*> Cases[] = {
      {0, "0:00:00"},
      {999, "0:00:00"},
      {59'999, "0:00:59"},
      {60'000, "0:01:00"},
      {(26 * 3600 + 5 * 60 + 9) * 1000ull + 999, "26:05:09"},
      // Past the 49.7 days where a 32-bit tick count wraps.
      {4'294'967'296ull, "1193:02:47"},
      {100 * 24 * 3600 * 1000ull, "2400:00:00"},
  };
  for (const auto& [Milliseconds, Text] : Cases)
    EXPECT_EQ(UpTimeText(Milliseconds), Text) << Milliseconds;
}

TEST(SystemInfoTextTest, UsageRoundsHalvesToEven) {
  const std::pair<double, const char*> Cases[] = {
      {0, "0 %"},     {0.49, "0 %"},   {0.5, "0 %"},
      {1.5, "2 %"},   {42.5, "42 %"},  {43.5, "44 %"},
      {62.2, "62 %"}, {99.7, "100 %"}, {100, "100 %"},
      {150, "100 %"}, {-3, "0 %"},     {std::numeric_limits<double>::quiet_NaN(), "0 %"},
  };
  for (const auto& [Percent, Text] : Cases)
    EXPECT_EQ(CPUUsageText(Percent), Text) << Percent;
}

}  // namespace
