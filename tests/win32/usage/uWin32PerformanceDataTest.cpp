// The performance data block for real, and the layout the portable reader and the simulated
// machine assume, checked against the system's own structure definitions.

#include "platform/win32/uWin32PerformanceData.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "events/uCPUUsageData.h"
#include "events/uEventCPUUsage.h"
#include "platform/sim/uPerfDataBlockBuilder.h"
#include "platform/uPerfDataLayout.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32SystemVersion.h"
#include "uWineDetection.h"

#include <winperf.h>

namespace {

using namespace perfdata;

static_assert(offsetof(PERF_DATA_BLOCK, TotalByteLength) == kBlockTotalByteLength);
static_assert(offsetof(PERF_DATA_BLOCK, HeaderLength) == kBlockHeaderLength);
static_assert(offsetof(PERF_DATA_BLOCK, NumObjectTypes) == kBlockNumObjectTypes);
static_assert(offsetof(PERF_DATA_BLOCK, SystemTime) == kBlockSystemTime);
static_assert(offsetof(PERF_DATA_BLOCK, PerfTime100nSec) == kBlockPerfTime100nSec);
static_assert(sizeof(PERF_DATA_BLOCK) == kBlockSize);
static_assert(offsetof(PERF_OBJECT_TYPE, TotalByteLength) == kObjectTotalByteLength);
static_assert(offsetof(PERF_OBJECT_TYPE, DefinitionLength) == kObjectDefinitionLength);
static_assert(offsetof(PERF_OBJECT_TYPE, HeaderLength) == kObjectHeaderLength);
static_assert(offsetof(PERF_OBJECT_TYPE, ObjectNameTitleIndex) == kObjectNameTitleIndex);
static_assert(offsetof(PERF_OBJECT_TYPE, NumCounters) == kObjectNumCounters);
static_assert(offsetof(PERF_OBJECT_TYPE, NumInstances) == kObjectNumInstances);
static_assert(sizeof(PERF_OBJECT_TYPE) == kObjectSize);
static_assert(offsetof(PERF_COUNTER_DEFINITION, ByteLength) == kCounterByteLength);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterNameTitleIndex) == kCounterNameTitleIndex);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterType) == kCounterType);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterSize) == kCounterSize);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterOffset) == kCounterOffset);
static_assert(sizeof(PERF_COUNTER_DEFINITION) == kCounterDefinitionSize);
static_assert(offsetof(PERF_INSTANCE_DEFINITION, ByteLength) == kInstanceByteLength);
static_assert(offsetof(PERF_INSTANCE_DEFINITION, NameOffset) == kInstanceNameOffset);
static_assert(offsetof(PERF_INSTANCE_DEFINITION, NameLength) == kInstanceNameLength);
static_assert(sizeof(PERF_INSTANCE_DEFINITION) == kInstanceSize);
static_assert(sizeof(PERF_COUNTER_BLOCK) == kCounterBlockSize);
static_assert(PERF_100NSEC_TIMER_INV == kPerf100NSecTimerInv);

template <typename T>
const T* At(const std::vector<std::uint8_t>& Block, std::size_t Offset) {
  return reinterpret_cast<const T*>(Block.data() + Offset);
}

TEST(Win32PerformanceDataTest, BuiltBlocksReadBackThroughTheSystemsStructures) {
  TPerfBlockContent Content;
  Content.SystemTime = {2026, 3, 1, 2, 12, 30, 15, 250};
  Content.Objects.push_back(ProcessorObject({111, 222}, true));
  const std::vector<std::uint8_t> Block = BuildPerfDataBlock(Content);
  ASSERT_EQ(Block.size() % 8, 0u);

  const auto* Data = At<PERF_DATA_BLOCK>(Block, 0);
  EXPECT_EQ(std::memcmp(Data->Signature, L"PERF", 8), 0);
  EXPECT_EQ(Data->TotalByteLength, Block.size());
  EXPECT_EQ(Data->NumObjectTypes, 1u);
  EXPECT_EQ(Data->SystemTime.wMinute, 30);
  EXPECT_EQ(Data->SystemTime.wMilliseconds, 250);
  FILETIME FileTime{};
  ASSERT_TRUE(SystemTimeToFileTime(&Data->SystemTime, &FileTime));
  const TSystemTimeFields Fields{2026, 3, 1, 2, 12, 30, 15, 250};
  EXPECT_EQ(::SystemTimeToFileTime(Fields),
            (std::int64_t{FileTime.dwHighDateTime} << 32) | FileTime.dwLowDateTime)
      << "the portable conversion agrees with the system's";

  const auto* Object = At<PERF_OBJECT_TYPE>(Block, Data->HeaderLength);
  EXPECT_EQ(Object->ObjectNameTitleIndex, 238u);
  EXPECT_EQ(Object->NumInstances, 3);
  const auto* Counter = At<PERF_COUNTER_DEFINITION>(
      Block, Data->HeaderLength + Object->HeaderLength + 2 * sizeof(PERF_COUNTER_DEFINITION));
  EXPECT_EQ(Counter->CounterNameTitleIndex, 6u);
  EXPECT_EQ(Counter->CounterType, static_cast<DWORD>(PERF_100NSEC_TIMER_INV));

  std::size_t Instance = Data->HeaderLength + Object->DefinitionLength;
  const std::vector<std::pair<std::wstring, LONGLONG>> Expected = {
      {L"0", 111}, {L"1", 222}, {L"_Total", 166}};
  for (const auto& [Name, Idle] : Expected) {
    const auto* Definition = At<PERF_INSTANCE_DEFINITION>(Block, Instance);
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(Block.data() + Instance +
                                                            Definition->NameOffset)),
              Name);
    const std::size_t CounterBlock = Instance + Definition->ByteLength;
    LONGLONG Value = 0;
    std::memcpy(&Value, Block.data() + CounterBlock + Counter->CounterOffset, sizeof Value);
    EXPECT_EQ(Value, Idle) << Name.size();
    Instance = CounterBlock + At<PERF_COUNTER_BLOCK>(Block, CounterBlock)->ByteLength;
  }
  EXPECT_EQ(Instance, Block.size());
}

TEST(Win32PerformanceDataTest, TheProcessorQueryAnswersAWellFormedBlock) {
  TWin32PerformanceData Source;
  std::vector<std::uint8_t> Buffer;
  for (int Query = 0; Query < 2; ++Query) {  // the second one reuses the room of the first
    ASSERT_TRUE(Source.QueryPerformanceData("238", Buffer));
    ASSERT_GE(Buffer.size(), sizeof(PERF_DATA_BLOCK));
    const auto* Data = At<PERF_DATA_BLOCK>(Buffer, 0);
    EXPECT_EQ(std::memcmp(Data->Signature, L"PERF", 8), 0);
    EXPECT_GE(Data->HeaderLength, sizeof(PERF_DATA_BLOCK));
    EXPECT_LE(Data->TotalByteLength, Buffer.size());
    EXPECT_GE(Data->SystemTime.wYear, 2020);
    if (RunningUnderWine())
      EXPECT_EQ(Data->NumObjectTypes, 0u) << "Wine has no performance counter providers";
    else
      EXPECT_GE(Data->NumObjectTypes, 1u);
  }
  EXPECT_GE(Buffer.capacity(), 8192u);
}

TEST(Win32PerformanceDataTest, TheSamplerOnTheRealSystem) {
  TWin32PerformanceData Source;
  TWin32SystemVersion Version;
  TCPUUsageData Sampler(Source, Version);
  if (RunningUnderWine()) {
    // No Processor object: the sampler says so, and a CPU Usage event does not start.
    try {
      Sampler.GetTotalCPUUsage();
      ADD_FAILURE();
    } catch (const ECPUUsageData& Error) {
      EXPECT_STREQ(Error.what(), "Unable to locate the \"Processor\" performance object");
    }
    TWin32EventLoop Loop;
    TKoServices Services{.EventLoop = Loop, .SystemVersion = &Version, .CPUUsage = &Sampler};
    auto Event = TKoEventObject::Create<TKoEventCPUUsage>(Services);
    EXPECT_THROW(Event->Start(), ECPUUsageData);
    EXPECT_FALSE(Event->Timer().Enabled());
    return;
  }
  Sampler.CollectCPUData();
  Sleep(200);
  const double Usage = Sampler.GetTotalCPUUsage();
  EXPECT_GE(Usage, 0);
  EXPECT_LE(Usage, 100);
  EXPECT_GE(Sampler.GetCPUCount(), 1);
}

TEST(Win32PerformanceDataTest, TheWindows9xStatisticsCannotBeStartedHere) {
  // The Windows 9x statistics are started through HKEY_DYN_DATA, which NT systems do not offer
  // (Wine shows some of its keys, but not the one that starts a statistic). A sampler that took
  // the Windows 9x path here says so instead of reading nothing.
  TWin32PerformanceData Source;
  EXPECT_FALSE(Source.TouchDynData("PerfStats\\StartStat", "KERNEL\\CPUUsage"));
  class TWindows98 : public TSystemVersion {
    TOsVersion OsVersion() const override { return {1, 4, 10}; }
  } Windows98;
  TCPUUsageData Sampler(Source, Windows98);
  try {
    Sampler.GetTotalCPUUsage();
    ADD_FAILURE();
  } catch (const ECPUUsageData& Error) {
    EXPECT_STREQ(Error.what(), "Unable to start performance monitoring");
  }
}

}  // namespace
