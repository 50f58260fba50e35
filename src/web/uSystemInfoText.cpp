#include "web/uSystemInfoText.h"

#include <cmath>

#include "core/uFormat.h"

std::string UpTimeText(std::uint64_t Milliseconds) {
  const std::uint64_t Seconds = Milliseconds / 1000;
  return Format("%d:%.2d:%.2d", {static_cast<unsigned long long>(Seconds / 3600),
                                 static_cast<unsigned long long>(Seconds / 60 % 60),
                                 static_cast<unsigned long long>(Seconds % 60)});
}

std::string CPUUsageText(double Percent) {
  if (!(Percent > 0))  // NaN too
    Percent = 0;
  if (Percent > 100)
    Percent = 100;
  double Rounded = std::floor(Percent);
  const double Fraction = Percent - Rounded;
  if (Fraction > 0.5 || (Fraction == 0.5 && std::fmod(Rounded, 2) != 0))
    Rounded += 1;
  return std::to_string(static_cast<int>(Rounded)) + " %";
}
