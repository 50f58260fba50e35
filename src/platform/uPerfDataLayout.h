#pragma once

#include <cstdint>

// Where the fields of a performance data block lie (winperf.h, 64-bit layout: the title pointers
// of objects and counters are 32-bit fields there). Offsets are from the start of each structure;
// every number is little-endian.
namespace perfdata {

// PERF_DATA_BLOCK
inline constexpr std::uint32_t kBlockSignature = 0;  // "PERF" in UTF-16
inline constexpr std::uint32_t kBlockTotalByteLength = 20;
inline constexpr std::uint32_t kBlockHeaderLength = 24;
inline constexpr std::uint32_t kBlockNumObjectTypes = 28;
inline constexpr std::uint32_t kBlockSystemTime = 36;  // SYSTEMTIME, eight 16-bit fields, UTC
inline constexpr std::uint32_t kBlockPerfTime100nSec = 72;
inline constexpr std::uint32_t kBlockSize = 88;

// PERF_OBJECT_TYPE
inline constexpr std::uint32_t kObjectTotalByteLength = 0;
inline constexpr std::uint32_t kObjectDefinitionLength = 4;
inline constexpr std::uint32_t kObjectHeaderLength = 8;
inline constexpr std::uint32_t kObjectNameTitleIndex = 12;
inline constexpr std::uint32_t kObjectNumCounters = 32;
inline constexpr std::uint32_t kObjectNumInstances =
    40;  // signed; -1 for an object without instances
inline constexpr std::uint32_t kObjectSize = 64;

// PERF_COUNTER_DEFINITION
inline constexpr std::uint32_t kCounterByteLength = 0;
inline constexpr std::uint32_t kCounterNameTitleIndex = 4;
inline constexpr std::uint32_t kCounterType = 28;
inline constexpr std::uint32_t kCounterSize = 32;
inline constexpr std::uint32_t kCounterOffset = 36;
inline constexpr std::uint32_t kCounterDefinitionSize = 40;

// PERF_INSTANCE_DEFINITION, followed by the instance's UTF-16 name
inline constexpr std::uint32_t kInstanceByteLength = 0;
inline constexpr std::uint32_t kInstanceNameOffset = 16;
inline constexpr std::uint32_t kInstanceNameLength = 20;
inline constexpr std::uint32_t kInstanceSize = 24;

// PERF_COUNTER_BLOCK: its length, then the counter values
inline constexpr std::uint32_t kCounterBlockByteLength = 0;
inline constexpr std::uint32_t kCounterBlockSize = 4;

// Title indexes of the "Processor" object and of its "% Processor Time" counter, which counts
// idle time in 100-ns units (PERF_100NSEC_TIMER_INV).
inline constexpr std::uint32_t kProcessorObjectIndex = 238;
inline constexpr std::uint32_t kProcessorTimeCounterIndex = 6;
inline constexpr std::uint32_t kPerf100NSecTimerInv = 0x21510500;

}  // namespace perfdata
