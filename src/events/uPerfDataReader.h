#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/uKoException.h"

// Errors of the CPU sampler.
class ECPUUsageData : public EKoException {
 public:
  using EKoException::EKoException;
};

// What one performance data block tells about the processors.
struct TProcessorSample {
  std::int32_t NumInstances = 0;        // instances of the Processor object in this block
  std::vector<std::int64_t> IdleTimes;  // "% Processor Time" of the instances read, in order
  std::int64_t Time = 0;                // the block's SystemTime as a FILETIME (100 ns units)
};

// Finds the Processor object in a block returned for the query "238" and reads the idle-time
// counter of its first InstanceCount instances (of all of them when InstanceCount is negative).
// Every offset in the block is checked before it is followed, so a truncated or garbled block
// raises ECPUUsageData instead of being read past its end.
TProcessorSample ReadProcessorSample(std::span<const std::uint8_t> Block,
                                     std::int32_t InstanceCount);

// The fields of a SYSTEMTIME, in their order.
struct TSystemTimeFields {
  std::uint16_t Year = 0, Month = 0, DayOfWeek = 0, Day = 0;
  std::uint16_t Hour = 0, Minute = 0, Second = 0, Milliseconds = 0;
};

// 100-ns intervals since 1601-01-01 (a FILETIME), as SystemTimeToFileTime computes them; none for
// a date or time SystemTimeToFileTime refuses. The day of the week is ignored, as there.
std::optional<std::int64_t> SystemTimeToFileTime(const TSystemTimeFields& Time);
