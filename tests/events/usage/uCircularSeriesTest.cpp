#include "events/uCircularSeries.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<long double> Contents(const TNumericCircularSeries& Series) {
  std::vector<long double> Values;
  for (std::int32_t I = 0; I < Series.Count(); ++I)
    Values.push_back(Series.Items(I));
  return Values;
}

TEST(CircularSeriesTest, KeepsTheLastCapacityValuesOldestFirst) {
  struct Case {
    std::int32_t Capacity;
    std::vector<long double> Added;
    std::vector<long double> Kept;
    long double Average;
  };
  const Case Cases[] = {
      {3, {1}, {1}, 1},
      {3, {1, 2, 3}, {1, 2, 3}, 2},
      {3, {1, 2, 3, 4}, {2, 3, 4}, 3},
      {3, {1, 2, 3, 4, 5, 6, 7}, {5, 6, 7}, 6},  // the start has gone round twice
      {1, {9, 8, 7}, {7}, 7},
  };
  for (const Case& C : Cases) {
    TNumericCircularSeries Series(C.Capacity);
    for (long double Value : C.Added)
      Series.Add(Value);
    EXPECT_EQ(Contents(Series), C.Kept) << "capacity " << C.Capacity;
    EXPECT_EQ(Series.Average(), C.Average) << "capacity " << C.Capacity;
  }
}

TEST(CircularSeriesTest, AverageFollowsEveryAddAndInit) {
  // Readings 10, 0, 0 average 10, 5, 3.33...; the fourth drops the first.
  TNumericCircularSeries Series(3);
  Series.Add(10);
  EXPECT_EQ(Series.Average(), 10);
  Series.Add(0);
  EXPECT_EQ(Series.Average(), 5);
  Series.Add(0);
  EXPECT_EQ(Series.Average(), 10.0L / 3);
  Series.Add(6);
  EXPECT_EQ(Series.Average(), 2);
  Series.Init(2);
  EXPECT_EQ(Series.Count(), 0);
  Series.Add(4);
  EXPECT_EQ(Series.Average(), 4) << "no stale cached mean after Init";
}

TEST(CircularSeriesTest, MisuseRaisesListErrors) {
  TNumericCircularSeries Series(3);
  for (long double Value : {1, 2, 3, 4})
    Series.Add(Value);
  for (std::int32_t Index : {3, -1, 100}) {
    try {
      (void)Series.Items(Index);
      ADD_FAILURE() << Index;
    } catch (const EListError& Error) {
      EXPECT_EQ(std::string(Error.what()),
                "List index (" + std::to_string(Index) + ") out of bounds");
    }
  }

  Series.Init(0);
  try {
    Series.Add(1);
    ADD_FAILURE();
  } catch (const EListError& Error) {
    EXPECT_STREQ(Error.what(), "List capacity is insufficient");
  }
  Series.Init(4);
  try {
    (void)Series.Average();
    ADD_FAILURE();
  } catch (const EListError& Error) {
    EXPECT_STREQ(Error.what(), "List is empty");
  }
}

}  // namespace
