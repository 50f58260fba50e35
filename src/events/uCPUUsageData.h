#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "events/uPerfDataReader.h"

class TDynDataKey;
class TPerformanceData;
class TSystemVersion;

// The CPU usage sampler: one for the whole program, shared by the CPU Usage events and the web
// interface's information page. Each sample is compared with the one before it, whoever took that
// one, so a reading by one caller shortens the interval the next caller measures.
//
// The web page reads it on the serving thread while events read it on the GUI thread, so every
// operation holds the sampler's lock: a reading always pairs two whole samples.
class TCPUUsageData {
 public:
  // Raises ECPUUsageData when the Windows version cannot be read.
  TCPUUsageData(TPerformanceData& Source, const TSystemVersion& System);
  // On Windows 9x, stops the statistic that the first sample started.
  ~TCPUUsageData();
  TCPUUsageData(const TCPUUsageData&) = delete;
  TCPUUsageData& operator=(const TCPUUsageData&) = delete;

  // Takes one sample; the previous one is kept for the difference.
  void CollectCPUData();
  // Instances of the Processor object (1 on Windows 9x); samples once if nothing was sampled.
  std::int32_t GetCPUCount();
  // Busy fraction of one instance between the last two samples, 0.0 to 1.0 (not clamped).
  double GetCPUUsage(std::int32_t Index);
  // Samples and returns the whole machine's usage in percent, 0 to 100.
  double GetTotalCPUUsage();

 private:
  void Collect();
  void CollectNT();
  void Collect9x();
  std::int32_t CPUCount();
  double CPUUsage(std::int32_t Index);

  std::mutex FLock;
  TPerformanceData& FSource;
  bool FIsNT = false;
  bool FWindows2000OrLater = false;
  std::vector<std::uint8_t> FBuffer;
  std::int32_t FCPUCount = -1;
  std::vector<std::int64_t> FCurrentCounters;
  std::vector<std::int64_t> FPreviousCounters;
  std::int64_t FCurrentTime = 0;
  std::int64_t FPreviousTime = 0;
  // Windows 9x
  bool FStarted = false;
  std::unique_ptr<TDynDataKey> FStatData;
  std::uint32_t FLastReading = 0;
};
