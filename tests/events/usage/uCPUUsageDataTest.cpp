#include "events/uCPUUsageData.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <set>
#include <thread>

#include "platform/sim/uPerfDataBlockBuilder.h"
#include "platform/sim/uSimPerformanceData.h"
#include "platform/uPerfDataLayout.h"
#include "platform/uSystemVersion.h"

namespace {

using namespace perfdata;

class TFixedVersion : public TSystemVersion {
 public:
  explicit TFixedVersion(TOsVersion Version) : FVersion(Version) {}
  TOsVersion OsVersion() const override { return FVersion; }

 private:
  TOsVersion FVersion;
};

const TOsVersion kWindows10{2, 10, 0};
const TOsVersion kWindowsNT4{2, 4, 0};
const TOsVersion kWindows98{1, 4, 10};

template <typename TCall>
std::string ErrorOf(TCall Call) {
  try {
    Call();
  } catch (const ECPUUsageData& Error) {
    return Error.what();
  }
  return "(no error)";
}

void Put32(std::vector<std::uint8_t>& Block, std::uint32_t Offset, std::uint32_t Value) {
  for (int I = 0; I < 4; ++I)
    Block.at(Offset + I) = static_cast<std::uint8_t>(Value >> (8 * I));
}

// --- Reading the performance data block -------------------------------------------------------

TPerfBlockContent TwoProcessorBlock() {
  TPerfBlockContent Content;
  // Another object first, so that the Processor object is found by its title, not its place.
  Content.Objects.push_back({2, {{10, 0}}, {{"System", {42}}}});
  Content.Objects.push_back(ProcessorObject({1000, 3000}, true));
  return Content;
}

TEST(PerfDataReaderTest, ReadsTheIdleCounterOfEachProcessorInstance) {
  const auto Block = BuildPerfDataBlock(TwoProcessorBlock());
  const TProcessorSample All = ReadProcessorSample(Block, -1);
  EXPECT_EQ(All.NumInstances, 3);
  EXPECT_EQ(All.IdleTimes, (std::vector<std::int64_t>{1000, 3000, 2000}));
  EXPECT_EQ(All.Time, 134169264000000000) << "2026-03-02 12:00:00 UTC";

  const TProcessorSample First = ReadProcessorSample(Block, 2);
  EXPECT_EQ(First.IdleTimes, (std::vector<std::int64_t>{1000, 3000}));
}

TEST(PerfDataReaderTest, MissingObjectOrCounterIsReportedByName) {
  TPerfBlockContent Empty;  // what Wine answers
  EXPECT_EQ(ErrorOf([&] { ReadProcessorSample(BuildPerfDataBlock(Empty), -1); }),
            "Unable to locate the \"Processor\" performance object");

  TPerfBlockContent NoCounter;
  NoCounter.Objects.push_back({kProcessorObjectIndex, {{142, 0}}, {{"0", {5}}}});
  EXPECT_EQ(ErrorOf([&] { ReadProcessorSample(BuildPerfDataBlock(NoCounter), -1); }),
            "Unable to locate the \"% of CPU usage\" performance counter");
}

TEST(PerfDataReaderTest, GarbledBlocksRaiseInsteadOfBeingReadPastTheirEnd) {
  const TPerfBlockContent Content = TwoProcessorBlock();
  const std::vector<std::uint8_t> Good = BuildPerfDataBlock(Content);
  const std::string Malformed = "The performance data of the processors is malformed";

  // Every truncation: the last bytes are the "_Total" counters, so each one misses something.
  for (std::size_t Length = 0; Length < Good.size(); ++Length) {
    const std::vector<std::uint8_t> Cut(Good.begin(), Good.begin() + Length);
    EXPECT_NE(ErrorOf([&] { ReadProcessorSample(Cut, -1); }), "(no error)") << Length;
  }

  const std::uint32_t SystemObject = FirstObjectOffset(Content);
  const std::uint32_t Processor = SystemObject + Good[SystemObject] + (Good[SystemObject + 1] << 8);
  auto DefinitionLength = [&] {
    std::uint32_t Value = 0;
    for (int I = 3; I >= 0; --I)
      Value = (Value << 8) | Good[Processor + kObjectDefinitionLength + I];
    return Value;
  };
  const std::uint32_t FirstInstance = Processor + DefinitionLength();
  const std::uint32_t ProcessorCounter = Processor + kObjectSize + 2 * kCounterDefinitionSize;
  struct Case {
    const char* Fault;
    std::uint32_t Offset;
    std::uint32_t Value;
  };
  const Case Cases[] = {
      {"header length past the end", kBlockHeaderLength, 0xFFFFFF00},
      {"object length of zero", SystemObject + kObjectTotalByteLength, 0},
      {"object longer than the block", Processor + kObjectTotalByteLength, 0x7FFFFFFF},
      {"no instances", Processor + kObjectNumInstances, 0},
      {"no instances at all (-1)", Processor + kObjectNumInstances, 0xFFFFFFFF},
      {"more instances than fit", Processor + kObjectNumInstances, 0x7FFFFFFF},
      {"counter definition of zero length", Processor + kObjectSize + kCounterByteLength, 0},
      {"counter offset past its block", ProcessorCounter + kCounterOffset, 0x1000},
      {"instance of zero length", FirstInstance + kInstanceByteLength, 0},
      {"instance length past the object", FirstInstance + kInstanceByteLength, 0x00FFFFFF},
      {"month 13", kBlockSystemTime + 2, 13},
  };
  for (const Case& C : Cases) {
    std::vector<std::uint8_t> Bad = Good;
    if (C.Offset == kBlockSystemTime + 2)
      Bad.at(C.Offset) = static_cast<std::uint8_t>(C.Value);
    else
      Put32(Bad, C.Offset, C.Value);
    EXPECT_EQ(ErrorOf([&] { ReadProcessorSample(Bad, -1); }), Malformed) << C.Fault;
  }
}

TEST(PerfDataReaderTest, SystemTimeConvertsAsSystemTimeToFileTimeDoes) {
  struct Case {
    TSystemTimeFields Time;
    std::optional<std::int64_t> FileTime;
  };
  const Case Cases[] = {
      {{1601, 1, 1, 1, 0, 0, 0, 0}, 0},
      {{1970, 1, 4, 1, 0, 0, 0, 0}, 116444736000000000},
      {{2024, 2, 4, 29, 23, 59, 59, 999}, 133537247999990000},
      {{2026, 3, 0, 2, 12, 0, 0, 0}, 134169264000000000},  // the day of week does not matter
      {{2023, 2, 3, 29, 0, 0, 0, 0}, std::nullopt},        // no leap day that year
      {{2026, 0, 0, 1, 0, 0, 0, 0}, std::nullopt},
      {{2026, 1, 0, 1, 24, 0, 0, 0}, std::nullopt},
      {{2026, 1, 0, 1, 0, 0, 60, 0}, std::nullopt},
      {{2026, 1, 0, 1, 0, 0, 0, 1000}, std::nullopt},
      {{1600, 12, 0, 31, 0, 0, 0, 0}, std::nullopt},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(SystemTimeToFileTime(C.Time), C.FileTime)
        << C.Time.Year << "-" << C.Time.Month << "-" << C.Time.Day;
}

// --- The sampler -----------------------------------------------------------------------------

class CPUUsageDataTest : public ::testing::Test {
 protected:
  std::uint64_t Clock = 0;
  TSimPerformanceData Data{[this] { return Clock; }};
};

TEST_F(CPUUsageDataTest, TotalUsageOverOneSecond) {
  struct Case {
    const char* Machine;
    TOsVersion Version;
    std::vector<double> Usages;
    bool WithTotal;
    double Total;
  };
  const Case Cases[] = {
      {"one processor", kWindows10, {30}, true, 30},
      {"two processors", kWindows10, {20, 60}, true, 40},
      {"four processors, one busy", kWindows10, {100, 0, 0, 0}, true, 25},
      {"Windows NT 4 averages all instances", kWindowsNT4, {20, 60}, false, 40},
      {"idle", kWindows10, {0}, true, 0},
      {"saturated", kWindows10, {100, 100}, true, 100},
  };
  for (const Case& C : Cases) {
    TSimPerformanceData Machine([this] { return Clock; });
    Machine.SetProcessorCount(C.Usages.size());
    Machine.WithTotalInstance = C.WithTotal;
    for (std::size_t I = 0; I < C.Usages.size(); ++I)
      Machine.SetUsage(I, C.Usages[I]);
    TFixedVersion Version(C.Version);
    TCPUUsageData Sampler(Machine, Version);
    Sampler.CollectCPUData();
    Clock += 1000;
    EXPECT_NEAR(Sampler.GetTotalCPUUsage(), C.Total, 1e-9) << C.Machine;
    EXPECT_EQ(Machine.LastValueName, "238") << "only the Processor object is asked for";
  }
}

TEST_F(CPUUsageDataTest, TheTotalInstanceIsLeftOutFromWindows2000On) {
  // Processors at 20 % and 60 % and a "_Total" instance that claims 90 %: from Windows 2000 the
  // last instance is left out, before it every instance counts.
  auto BlockAt = [](std::uint16_t Second, std::vector<std::int64_t> Idle) {
    TPerfBlockContent Content;
    Content.SystemTime[6] = Second;
    Content.Objects.push_back(ProcessorObject(Idle, false));
    return BuildPerfDataBlock(Content);
  };
  struct Case {
    TOsVersion Version;
    double Total;
  };
  for (const Case& C : {Case{kWindows10, 40}, Case{{2, 5, 0}, 40}, Case{kWindowsNT4, 170.0 / 3}}) {
    TSimPerformanceData Machine([] { return 0; });
    Machine.ScriptedBlocks.push_back(BlockAt(0, {0, 0, 0}));
    Machine.ScriptedBlocks.push_back(BlockAt(1, {8'000'000, 4'000'000, 1'000'000}));
    TFixedVersion Version(C.Version);
    TCPUUsageData Sampler(Machine, Version);
    Sampler.CollectCPUData();
    EXPECT_NEAR(Sampler.GetTotalCPUUsage(), C.Total, 1e-9) << C.Version.Major;
  }
}

TEST_F(CPUUsageDataTest, PerInstanceUsageAndCount) {
  Data.SetProcessorCount(2);
  Data.SetUsage(0, 25);
  Data.SetUsage(1, 75);
  TFixedVersion Version(kWindows10);
  TCPUUsageData Sampler(Data, Version);
  EXPECT_EQ(Sampler.GetCPUCount(), 3) << "two processors and _Total; the first call samples";
  EXPECT_EQ(Data.QueryCount, 1);
  Clock += 2000;
  Sampler.CollectCPUData();
  EXPECT_DOUBLE_EQ(Sampler.GetCPUUsage(0), 0.25);
  EXPECT_DOUBLE_EQ(Sampler.GetCPUUsage(1), 0.75);
  EXPECT_DOUBLE_EQ(Sampler.GetCPUUsage(2), 0.5);
  for (std::int32_t Index : {-1, 3})
    EXPECT_EQ(ErrorOf([&] { Sampler.GetCPUUsage(Index); }), "CPU index out of bounds") << Index;
}

TEST_F(CPUUsageDataTest, EdgesOfTheInterval) {
  TFixedVersion Version(kWindows10);
  Data.SetUsage(40);

  // Without a first sample, the first reading compares with nothing and reads about 100 %.
  TCPUUsageData Unprimed(Data, Version);
  Clock += 1000;
  EXPECT_GT(Unprimed.GetTotalCPUUsage(), 99);

  TCPUUsageData Sampler(Data, Version);
  Sampler.CollectCPUData();
  EXPECT_EQ(Sampler.GetTotalCPUUsage(), 0) << "two samples of the same moment";
  EXPECT_EQ(Sampler.GetCPUUsage(0), 0);

  Clock += 1000;
  EXPECT_NEAR(Sampler.GetTotalCPUUsage(), 40, 1e-9);

  // The idle counter near the end of its range wraps between two samples.
  Data.SetIdleCounter(0, INT64_MAX - 3'000'000);
  Sampler.CollectCPUData();
  Clock += 1000;
  EXPECT_NEAR(Sampler.GetTotalCPUUsage(), 40, 1e-9);

  // Counter jitter beyond the interval is held to the range.
  Data.SetIdleCounter(0, 50'000'000);
  Sampler.CollectCPUData();
  Clock += 1000;
  Data.SetIdleCounter(0, 40'000'000);
  EXPECT_EQ(Sampler.GetTotalCPUUsage(), 100) << "idle counter went back";
  Clock += 1000;
  Data.SetIdleCounter(0, 70'000'000);
  EXPECT_EQ(Sampler.GetTotalCPUUsage(), 0) << "more idle time than time";

  // A system clock put back between two samples measures nothing.
  Clock += 1000;
  Sampler.CollectCPUData();
  Clock -= 500;
  EXPECT_EQ(Sampler.GetTotalCPUUsage(), 0);
}

TEST_F(CPUUsageDataTest, MissingDataRaisesAndTheNextGoodSampleMeasuresAgain) {
  TFixedVersion Version(kWindows10);
  Data.SetProcessorCount(2);
  Data.SetUsage(10);
  TCPUUsageData Sampler(Data, Version);

  Data.WithoutObjects = true;
  EXPECT_EQ(ErrorOf([&] { Sampler.CollectCPUData(); }),
            "Unable to locate the \"Processor\" performance object");
  Data.WithoutObjects = false;
  Sampler.CollectCPUData();

  Data.QueryFails = true;
  EXPECT_EQ(ErrorOf([&] { Sampler.GetTotalCPUUsage(); }), "Unable to read performance data");
  Data.QueryFails = false;

  // A processor gone since the first sample: the samples cannot be compared.
  Data.SetProcessorCount(1);
  Clock += 1000;
  EXPECT_EQ(ErrorOf([&] { Sampler.GetTotalCPUUsage(); }),
            "The performance data of the processors is malformed");
  Data.SetProcessorCount(2);
  Data.SetUsage(10);
  Sampler.CollectCPUData();
  Clock += 1000;
  EXPECT_NEAR(Sampler.GetTotalCPUUsage(), 10, 1e-9);
}

TEST_F(CPUUsageDataTest, AnUnreadableVersionFailsTheStart) {
  TFixedVersion Unknown({});
  EXPECT_EQ(ErrorOf([&] { TCPUUsageData Sampler(Data, Unknown); }),
            "Can't get the Windows version");
}

TEST_F(CPUUsageDataTest, Windows9xReadsTheKernelStatistic) {
  TFixedVersion Version(kWindows98);
  {
    Data.DynCPUUsage = 37;
    TCPUUsageData Sampler(Data, Version);
    EXPECT_EQ(Sampler.GetCPUCount(), 1);
    EXPECT_DOUBLE_EQ(Sampler.GetTotalCPUUsage(), 37);
    Data.DynCPUUsage = 5;
    EXPECT_DOUBLE_EQ(Sampler.GetTotalCPUUsage(), 5);
    EXPECT_EQ(ErrorOf([&] { Sampler.GetCPUUsage(1); }), "CPU index out of bounds");
    EXPECT_EQ(Data.QueryCount, 0) << "no performance data on Windows 9x";
  }
  EXPECT_EQ(Data.DynCalls,
            (std::vector<std::string>{"touch PerfStats\\StartStat KERNEL\\CPUUsage",
                                      "open PerfStats\\StatData", "read KERNEL\\CPUUsage",
                                      "read KERNEL\\CPUUsage", "close PerfStats\\StatData",
                                      "touch PerfStats\\StopStat KERNEL\\CPUUsage"}));
}

TEST_F(CPUUsageDataTest, Windows9xFailuresToStartOrRead) {
  TFixedVersion Version(kWindows98);
  struct Case {
    bool StartOpens;
    bool DataOpens;
    std::optional<std::uint32_t> Reading;
    const char* Error;
  };
  const Case Cases[] = {
      {false, true, 1, "Unable to start performance monitoring"},
      {true, false, 1, "Unable to read performance data"},
      {true, true, std::nullopt, "Unable to read performance data"},
  };
  for (const Case& C : Cases) {
    TSimPerformanceData Machine([] { return 0; });
    Machine.StartStatOpens = C.StartOpens;
    Machine.StatDataOpens = C.DataOpens;
    Machine.DynCPUUsage = C.Reading;
    TCPUUsageData Sampler(Machine, Version);
    EXPECT_EQ(ErrorOf([&] { Sampler.GetTotalCPUUsage(); }), C.Error);
  }
}

TEST_F(CPUUsageDataTest, TwoThreadsAlwaysReadWholeIntervals) {
  // After each sample the load changes and the clock moves on by a step of its own, so every
  // reading between two consecutive samples is exactly one of the loads. A reading that mixed
  // samples of the two threads would land between them.
  const std::vector<double> Loads = {10, 20, 40, 80};
  std::uint64_t SharedClock = 0;
  std::size_t Step = 0;
  TSimPerformanceData Machine([&] { return SharedClock; });
  Machine.YieldDuringQuery = true;
  // Runs inside the query, which the sampler's lock serialises.
  Machine.AfterQuery = [&] {
    ++Step;
    Machine.SetUsage(Loads[Step % Loads.size()]);
    SharedClock += 1000 + 7 * (Step % 5);
  };
  TFixedVersion Version(kWindows10);
  TCPUUsageData Sampler(Machine, Version);
  Sampler.CollectCPUData();

  std::atomic<int> Outside = 0;
  auto Reader = [&] {
    for (int I = 0; I < 500; ++I) {
      const double Usage = Sampler.GetTotalCPUUsage();
      bool Known = false;
      for (double Load : Loads)
        Known = Known || std::fabs(Usage - Load) < 1e-6;
      if (!Known)
        ++Outside;
    }
  };
  std::thread Web(Reader);
  Reader();
  Web.join();
  EXPECT_EQ(Outside, 0);
  EXPECT_EQ(Machine.QueryCount, 1001);
}

}  // namespace
