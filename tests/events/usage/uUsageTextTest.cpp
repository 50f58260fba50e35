#include "events/uUsageText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(UsageTextTest, GroupedNumbersRoundHalfAwayFromZero) {
  const TNumberSeparators English;
  const TNumberSeparators German{".", ","};
  const TNumberSeparators Swiss{"\xE2\x80\x99", "."};  // right single quotation mark
  struct Case {
    long double Value;
    int Decimals;
    const TNumberSeparators& Separators;
    const char* Text;
  };
  const Case Cases[] = {
      {0, 1, English, "0.0"},
      {0.04L, 1, English, "0.0"},
      {0.25L, 1, English, "0.3"},
      {999.96L, 1, English, "1,000.0"},
      {1024, 1, English, "1,024.0"},
      {1234567.891L, 1, English, "1,234,567.9"},
      {1234567.891L, 1, German, "1.234.567,9"},
      {1234567, 0, Swiss,
       "1\xE2\x80\x99"
       "234\xE2\x80\x99"
       "567"},
      {2048, 0, English, "2,048"},
      {0.5L, 0, English, "1"},
      {999, 0, English, "999"},
      {-1, 1, English, "--"},
      {std::numeric_limits<long double>::infinity(), 0, English, "--"},
      {std::numeric_limits<long double>::quiet_NaN(), 0, English, "--"},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(FormatGroupedNumber(C.Value, C.Decimals, C.Separators), C.Text)
        << static_cast<double>(C.Value);
}

}  // namespace
