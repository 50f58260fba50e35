#pragma once

#include <chrono>

// A moment on the local clock, to the millisecond. Whole days are the date, the rest is the time
// of day.
using TDateTime = std::chrono::local_time<std::chrono::milliseconds>;

inline TDateTime MakeDateTime(int Year, unsigned Month, unsigned Day, int Hour = 0, int Minute = 0,
                              int Second = 0, int Millisecond = 0) {
  using namespace std::chrono;
  return local_days{year{Year} / month{Month} / day{Day}} + hours{Hour} + minutes{Minute} +
         seconds{Second} + milliseconds{Millisecond};
}

// The date part (midnight of the same day).
inline TDateTime DateOf(TDateTime Moment) {
  return std::chrono::floor<std::chrono::days>(Moment);
}

// The time of day, from midnight.
inline std::chrono::milliseconds TimeOf(TDateTime Moment) {
  return Moment - DateOf(Moment);
}
