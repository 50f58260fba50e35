#pragma once

#include <cstdint>
#include <string>

// The figures of the web interface's information page as text.

// Hours, minutes and seconds since the system started, "26:05:09": hours without padding or
// upper bound, minutes and seconds with two digits. Parts of a second are dropped.
std::string UpTimeText(std::uint64_t Milliseconds);

// A usage in percent as a whole number followed by " %", rounded to the nearest integer with
// exact halves going to the even neighbour (42.5 gives "42 %", 43.5 gives "44 %").
std::string CPUUsageText(double Percent);
