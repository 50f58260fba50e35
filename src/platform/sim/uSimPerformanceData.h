#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/uPerfDataBlockBuilder.h"
#include "platform/uPerformanceData.h"

// Processors that are busy as the test says, in virtual time. Each processor's idle-time counter
// grows by (100 - usage) % of the time that passes on the clock, so two samples one virtual
// second apart read exactly the usage set for that second. Queries answer with a block built
// like the system's, or with blocks a test scripted. The Windows 9x statistics are scripted too.
class TSimPerformanceData : public TPerformanceData {
 public:
  // Clock: milliseconds of virtual time (for example the simulated loop's tick count). The
  // block's SystemTime is 2026-03-02 12:00:00 UTC plus that time.
  explicit TSimPerformanceData(std::function<std::uint64_t()> ClockMs);

  // The machine's processors; the usage of every processor, or of one, from now on (percent).
  void SetProcessorCount(std::size_t Count);
  void SetUsage(double Percent);
  void SetUsage(std::size_t Processor, double Percent);
  // The idle counter of one processor, for counters near their wrap.
  void SetIdleCounter(std::size_t Processor, std::int64_t Value);

  bool WithTotalInstance = true;  // false: as Windows NT 4, which has no "_Total"
  bool QueryFails = false;
  bool WithoutObjects = false;  // a well-formed block without any object, as Wine answers
  std::deque<std::vector<std::uint8_t>> ScriptedBlocks;  // served first, one per query
  // Yields the thread halfway through a query, so that unsynchronised callers would interleave.
  bool YieldDuringQuery = false;
  // Runs after each query has read the machine, for scripts that change it between samples.
  std::function<void()> AfterQuery;
  int QueryCount = 0;
  std::string LastValueName;

  // Windows 9x: the keys that open and the values "KERNEL\CPUUsage" reads in "StatData".
  bool StartStatOpens = true;
  bool StatDataOpens = true;
  std::optional<std::uint32_t> DynCPUUsage = 0;
  std::vector<std::string> DynCalls;  // "touch <key>", "open <key>", "read <value>", "close <key>"

  bool QueryPerformanceData(std::string_view ValueName, std::vector<std::uint8_t>& Buffer) override;
  bool TouchDynData(std::string_view Key, std::string_view Name) override;
  std::unique_ptr<TDynDataKey> OpenDynData(std::string_view Key) override;

  std::vector<std::uint8_t> CurrentBlock();

 private:
  struct TProcessor {
    long double Idle = 0;  // 100-ns units
    double Usage = 0;
  };
  void CatchUp();

  std::function<std::uint64_t()> FClockMs;
  std::uint64_t FLastMs = 0;
  std::vector<TProcessor> FProcessors;
};
