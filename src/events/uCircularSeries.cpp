#include "events/uCircularSeries.h"

void TNumericCircularSeries::Add(const long double& Value) {
  // A failed Add leaves the content as it was, but the cache is dropped all the same.
  try {
    TCircularSeries::Add(Value);
  } catch (...) {
    Changed();
    throw;
  }
  Changed();
}

long double TNumericCircularSeries::Average() {
  if (FAverageValid)
    return FAverage;
  if (Count() <= 0)
    throw EListError(ResStr(ucircularseries::slistempty));
  long double Sum = 0;
  for (std::int32_t I = 0; I < Count(); ++I)
    Sum += Items(I);
  FAverage = Sum / Count();
  FAverageValid = true;
  return FAverage;
}
