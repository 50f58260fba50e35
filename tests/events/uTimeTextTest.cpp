#include "events/uTimeText.h"

#include <gtest/gtest.h>

namespace {

using std::chrono::hours;
using std::chrono::milliseconds;
using std::chrono::minutes;
using std::chrono::seconds;

TEST(TimeTextTest, SecondsToText) {
  const std::pair<std::int64_t, const char*> Cases[] = {{0, "0:00:00"},
                                                        {600, "0:10:00"},
                                                        {59, "0:00:59"},
                                                        {3723, "1:02:03"},
                                                        {25 * 3600 + 61, "25:01:01"},
                                                        {-5, "-0:00:05"},
                                                        {2147483647, "596523:14:07"}};
  for (const auto& [Value, Text] : Cases)
    EXPECT_EQ(SecondsToText(Value), Text) << Value;
}

TEST(TimeTextTest, TextToSeconds) {
  const std::pair<const char*, int> Cases[] = {{"0:10:00", 600},
                                               {"1:2:3", 3723},
                                               {"25:01:01", 90061},
                                               {"0:00:00", 0},
                                               {"x:1:1", 61},
                                               {"1::", 3600},
                                               {"90", -1},
                                               {"1:2", -1},
                                               {"1:2:3:4", -1},
                                               {"", -1},
                                               {"999999999:0:0", 2147483647}};
  for (const auto& [Text, Value] : Cases)
    EXPECT_EQ(TextToSeconds(Text, -1), Value) << Text;
}

TEST(TimeTextTest, TimeOfDayTexts) {
  EXPECT_EQ(TimeToText(milliseconds(0)), "0:00:00");
  EXPECT_EQ(TimeToText(hours(23) + minutes(59) + seconds(59) + milliseconds(999)), "23:59:59");
  EXPECT_EQ(TimeToText(hours(26)), "26:00:00");

  const milliseconds Default = hours(7);
  const std::pair<const char*, milliseconds> Cases[] = {
      {"0:00:00", milliseconds(0)},
      {"23:59:59", hours(23) + minutes(59) + seconds(59)},
      {"8:5:1", hours(8) + minutes(5) + seconds(1)},
      {"24:00:00", Default},
      {"12:60:00", Default},
      {"12:00:60", Default},
      {"-1:00:00", Default},
      {"12:00", Default},
      {"a:b:c", Default},
      {"", Default}};
  for (const auto& [Text, Value] : Cases)
    EXPECT_EQ(TextToTime(Text, Default), Value) << Text;
}

TEST(TimeTextTest, DateTexts) {
  EXPECT_EQ(DateToText(MakeDateTime(2026, 3, 7, 13, 5)), "2026-03-07");
  EXPECT_EQ(DateToText(MakeDateTime(987, 12, 31)), "0987-12-31");

  const TDateTime Default = MakeDateTime(2000, 1, 1);
  const std::pair<const char*, TDateTime> Cases[] = {{"2026-12-31", MakeDateTime(2026, 12, 31)},
                                                     {"2024-2-29", MakeDateTime(2024, 2, 29)},
                                                     {"2026-02-29", Default},
                                                     {"2026-13-01", Default},
                                                     {"2026-00-10", Default},
                                                     {"2026/01/01", Default},
                                                     {"2026-01", Default},
                                                     {"0-01-01", Default},
                                                     {"", Default}};
  for (const auto& [Text, Value] : Cases)
    EXPECT_EQ(TextToDate(Text, Default), Value) << Text;
}

TEST(TimeTextTest, WeekDaySets) {
  EXPECT_EQ(WeekDaysToText({true, true, true, true, true, false, false}), "1,1,1,1,1,0,0");
  const std::pair<const char*, TWeekDays> Cases[] = {
      {"1,1,1,1,1,0,0", {true, true, true, true, true, false, false}},
      {"1,0,1", {true, false, true, false, false, false, false}},
      {"  0,0,0,0,0,0,1  ", {false, false, false, false, false, false, true}},
      {"1x1x1", {true, true, true, false, false, false, false}},  // separators are not checked
      {"yes", {false, false, false, false, false, false, false}},
      {"", {}}};
  for (const auto& [Text, Days] : Cases)
    EXPECT_EQ(TextToWeekDays(Text), Days) << Text;
}

TEST(TimeTextTest, WeekDays) {
  EXPECT_EQ(DayOfTheWeek(MakeDateTime(2026, 1, 5)), 1);  // a Monday
  EXPECT_EQ(DayOfTheWeek(MakeDateTime(2026, 1, 11, 23, 59)), 7);
  EXPECT_EQ(WeekDayLongName(1), "Monday");
  EXPECT_EQ(WeekDayLongName(7), "Sunday");
  EXPECT_EQ(WeekDayLongName(8), "");
}

}  // namespace
