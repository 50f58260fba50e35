#include "events/uCPUUsageData.h"

#include "actions/uWindowsVersion.h"
#include "events/uSamplerStrings.h"
#include "platform/uPerfDataLayout.h"
#include "platform/uPerformanceData.h"

namespace {

constexpr std::size_t kInitialBufferSize = 8192;
constexpr char kProcessorObject[] = "238";
constexpr char kStartStatKey[] = "PerfStats\\StartStat";
constexpr char kStatDataKey[] = "PerfStats\\StatData";
constexpr char kStopStatKey[] = "PerfStats\\StopStat";
constexpr char kCPUUsageValue[] = "KERNEL\\CPUUsage";

// Counters are compared as two's-complement differences, so one that wrapped still gives the
// right interval (a signed subtraction could overflow instead).
std::int64_t Difference(std::int64_t Current, std::int64_t Previous) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(Current) -
                                   static_cast<std::uint64_t>(Previous));
}

}  // namespace

TCPUUsageData::TCPUUsageData(TPerformanceData& Source, const TSystemVersion& System)
    : FSource(Source) {
  const TOsVersion Version = System.OsVersion();
  if (Version.Major == 0)
    throw ECPUUsageData(ResStr(ucpuusagedata::scantgetwindowsversion));
  FIsNT = IsWindowsNT(Version);
  FWindows2000OrLater = GetWindowsVersion(Version) >= TWindowsVersion::wv2000;
  FBuffer.reserve(kInitialBufferSize);
}

TCPUUsageData::~TCPUUsageData() {
  if (!FStarted)
    return;
  FStatData.reset();
  (void)FSource.TouchDynData(kStopStatKey, kCPUUsageValue);
}

void TCPUUsageData::CollectCPUData() {
  std::lock_guard Guard(FLock);
  Collect();
}

std::int32_t TCPUUsageData::GetCPUCount() {
  std::lock_guard Guard(FLock);
  return CPUCount();
}

double TCPUUsageData::GetCPUUsage(std::int32_t Index) {
  std::lock_guard Guard(FLock);
  return CPUUsage(Index);
}

double TCPUUsageData::GetTotalCPUUsage() {
  std::lock_guard Guard(FLock);
  Collect();
  std::int32_t Count = CPUCount();
  // From Windows 2000 on, the last instance is "_Total", the mean of the others.
  if (Count > 1 && FWindows2000OrLater)
    --Count;
  double Result;
  if (Count > 1) {
    double Sum = 0;
    for (std::int32_t I = 0; I < Count; ++I)
      Sum += CPUUsage(I);
    Result = Sum * 100 / Count;
  } else {
    Result = CPUUsage(0) * 100;
  }
  if (Result < 0)
    return 0;
  if (Result > 100)
    return 100;
  return Result;
}

void TCPUUsageData::Collect() {
  if (FIsNT)
    CollectNT();
  else
    Collect9x();
}

void TCPUUsageData::CollectNT() {
  // The query is repeated for every sample; the buffer keeps its room between samples.
  if (FBuffer.size() < kInitialBufferSize)
    FBuffer.resize(kInitialBufferSize);
  if (!FSource.QueryPerformanceData(kProcessorObject, FBuffer))
    throw ECPUUsageData(ResStr(ucpuusagedata::sunabletoreaddata));
  TProcessorSample Sample = ReadProcessorSample(FBuffer, FCPUCount);
  if (FCPUCount < 0) {
    FCPUCount = Sample.NumInstances;
    FCurrentCounters.assign(static_cast<std::size_t>(FCPUCount), 0);
    FPreviousCounters.assign(static_cast<std::size_t>(FCPUCount), 0);
  }
  FPreviousCounters.swap(FCurrentCounters);
  FCurrentCounters = std::move(Sample.IdleTimes);
  FPreviousTime = FCurrentTime;
  FCurrentTime = Sample.Time;
}

void TCPUUsageData::Collect9x() {
  if (!FStarted) {
    if (!FSource.TouchDynData(kStartStatKey, kCPUUsageValue))
      throw ECPUUsageData(ResStr(ucpuusagedata::sunabletostartmonitoring));
    FStatData = FSource.OpenDynData(kStatDataKey);
    if (!FStatData) {
      (void)FSource.TouchDynData(kStopStatKey, kCPUUsageValue);
      throw ECPUUsageData(ResStr(ucpuusagedata::sunabletoreaddata));
    }
    FStarted = true;
  }
  const auto Reading = FStatData->ReadDWord(kCPUUsageValue);
  if (!Reading)
    throw ECPUUsageData(ResStr(ucpuusagedata::sunabletoreaddata));
  FLastReading = *Reading;
}

std::int32_t TCPUUsageData::CPUCount() {
  if (!FIsNT)
    return 1;
  if (FCPUCount < 0)
    Collect();
  return FCPUCount;
}

double TCPUUsageData::CPUUsage(std::int32_t Index) {
  if (!FIsNT) {
    if (Index != 0)
      throw ECPUUsageData(ResStr(ucpuusagedata::scpuindexoutofbounds));
    if (!FStarted)
      Collect();
    return FLastReading / 100.0;
  }
  if (FCPUCount < 0)
    Collect();
  if (Index < 0 || Index >= FCPUCount)
    throw ECPUUsageData(ResStr(ucpuusagedata::scpuindexoutofbounds));
  const std::int64_t Time = Difference(FCurrentTime, FPreviousTime);
  // No interval to measure: the same sample twice, or a system clock put back between them.
  if (Time <= 0)
    return 0;
  const auto I = static_cast<std::size_t>(Index);
  const std::int64_t Idle = Difference(FCurrentCounters[I], FPreviousCounters[I]);
  return 1 - static_cast<double>(Idle) / static_cast<double>(Time);
}
