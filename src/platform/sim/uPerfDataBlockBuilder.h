#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Writes performance data blocks the way HKEY_PERFORMANCE_DATA answers (64-bit layout of
// winperf.h), for the simulated machine and for tests that need a block with a fault in it.
// Every counter is a 64-bit value.
struct TPerfCounterContent {
  std::uint32_t TitleIndex = 0;
  std::uint32_t Type = 0;
};

struct TPerfInstanceContent {
  std::string Name;                  // ASCII
  std::vector<std::int64_t> Values;  // one per counter of the object
};

struct TPerfObjectContent {
  std::uint32_t TitleIndex = 0;
  std::vector<TPerfCounterContent> Counters;
  std::vector<TPerfInstanceContent> Instances;
};

struct TPerfBlockContent {
  // Year, month, day of week, day, hour, minute, second, milliseconds (a SYSTEMTIME, UTC).
  std::array<std::uint16_t, 8> SystemTime{2026, 3, 1, 2, 12, 0, 0, 0};
  std::string SystemName = "KOLVANE-SIM";
  std::vector<TPerfObjectContent> Objects;
};

std::vector<std::uint8_t> BuildPerfDataBlock(const TPerfBlockContent& Content);

// The Processor object as Windows 2000 and later report it: one instance per processor named by
// its number and a last "_Total" instance, each with the idle-time counter behind two other
// counters, so that a reader must find it by its title index.
TPerfObjectContent ProcessorObject(const std::vector<std::int64_t>& IdleTimes, bool WithTotal);

// Where a field of the first object, its first counter definition or its first instance lies in
// a block built from Content, for tests that garble one field.
std::uint32_t FirstObjectOffset(const TPerfBlockContent& Content);
