#pragma once

#include <cstdint>
#include <vector>

#include "core/uFormat.h"
#include "core/uKoException.h"
#include "events/uSamplerStrings.h"

class EListError : public EKoException {
 public:
  using EKoException::EKoException;
};

// A ring of the last Capacity values: adding to a full series replaces the oldest one. Logical
// index 0 is the oldest value, Count() - 1 the newest.
template <typename T>
class TCircularSeries {
 public:
  explicit TCircularSeries(std::int32_t Capacity = 0) { InitStorage(Capacity); }
  virtual ~TCircularSeries() = default;
  TCircularSeries(const TCircularSeries&) = delete;
  TCircularSeries& operator=(const TCircularSeries&) = delete;

  // Empties the series and gives it room for Capacity values.
  void Init(std::int32_t Capacity) {
    InitStorage(Capacity);
    Changed();
  }

  std::int32_t Capacity() const { return static_cast<std::int32_t>(FItems.size()); }
  std::int32_t Count() const { return FCount; }

  const T& Items(std::int32_t Index) const {
    if (Index < 0 || Index >= FCount)
      throw EListError(Format(ResStr(ucircularseries::slistindexerror), {Index}));
    return FItems[static_cast<std::size_t>(PhysicalIndex(Index))];
  }

  virtual void Add(const T& Value) {
    if (Capacity() == 0)
      throw EListError(ResStr(ucircularseries::slistcapacityerror));
    FItems[static_cast<std::size_t>(PhysicalIndex(FCount))] = Value;
    if (FCount < Capacity())
      ++FCount;
    else
      FStart = PhysicalIndex(1);
  }

 protected:
  // Called after every change of the content.
  virtual void Changed() {}

 private:
  void InitStorage(std::int32_t Capacity) {
    FStart = 0;
    FCount = 0;
    FItems.assign(static_cast<std::size_t>(Capacity < 0 ? 0 : Capacity), T{});
  }

  std::int32_t PhysicalIndex(std::int32_t Index) const {
    if (Capacity() == 0)
      return -1;
    std::int32_t Physical = Index + FStart;
    while (Physical >= Capacity())
      Physical -= Capacity();
    return Physical;
  }

  std::int32_t FStart = 0;
  std::int32_t FCount = 0;
  std::vector<T> FItems;
};

// A series of readings that knows its mean; the mean is computed once per change.
class TNumericCircularSeries : public TCircularSeries<long double> {
 public:
  using TCircularSeries::TCircularSeries;

  void Add(const long double& Value) override;
  long double Average();

 protected:
  void Changed() override { FAverageValid = false; }

 private:
  long double FAverage = 0;
  bool FAverageValid = false;
};
