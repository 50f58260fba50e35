#include "platform/sim/uSimPerformanceData.h"

#include <chrono>
#include <cmath>
#include <thread>

namespace {

// 2026-03-02 12:00:00 UTC.
constexpr std::chrono::sys_days kStartDay{std::chrono::year{2026} / 3 / 2};
constexpr std::int64_t kStartMsOfDay = 12 * 3600 * 1000;

std::array<std::uint16_t, 8> SystemTimeAt(std::uint64_t ClockMs) {
  using namespace std::chrono;
  const auto Moment = sys_time<milliseconds>(kStartDay) + milliseconds(kStartMsOfDay) +
                      milliseconds(static_cast<std::int64_t>(ClockMs));
  const auto Day = floor<days>(Moment);
  const year_month_day Date{Day};
  const hh_mm_ss Time{Moment - Day};
  return {static_cast<std::uint16_t>(static_cast<int>(Date.year())),
          static_cast<std::uint16_t>(static_cast<unsigned>(Date.month())),
          static_cast<std::uint16_t>(weekday{Day}.c_encoding()),
          static_cast<std::uint16_t>(static_cast<unsigned>(Date.day())),
          static_cast<std::uint16_t>(Time.hours().count()),
          static_cast<std::uint16_t>(Time.minutes().count()),
          static_cast<std::uint16_t>(Time.seconds().count()),
          static_cast<std::uint16_t>(Time.subseconds().count())};
}

class TSimDynDataKey : public TDynDataKey {
 public:
  TSimDynDataKey(TSimPerformanceData& Data, std::string Key) : FData(Data), FKey(std::move(Key)) {}
  ~TSimDynDataKey() override { FData.DynCalls.push_back("close " + FKey); }
  std::optional<std::uint32_t> ReadDWord(std::string_view Name) override {
    FData.DynCalls.push_back("read " + std::string(Name));
    return FData.DynCPUUsage;
  }

 private:
  TSimPerformanceData& FData;
  std::string FKey;
};

}  // namespace

TSimPerformanceData::TSimPerformanceData(std::function<std::uint64_t()> ClockMs)
    : FClockMs(std::move(ClockMs)), FLastMs(FClockMs()), FProcessors(1) {}

void TSimPerformanceData::CatchUp() {
  const std::uint64_t Now = FClockMs();
  if (Now > FLastMs) {
    const long double Elapsed100ns = static_cast<long double>(Now - FLastMs) * 10000;
    for (TProcessor& Processor : FProcessors)
      Processor.Idle += Elapsed100ns * (100 - Processor.Usage) / 100;
  }
  FLastMs = Now;
}

void TSimPerformanceData::SetProcessorCount(std::size_t Count) {
  CatchUp();
  FProcessors.resize(Count);
}

void TSimPerformanceData::SetUsage(double Percent) {
  CatchUp();
  for (TProcessor& Processor : FProcessors)
    Processor.Usage = Percent;
}

void TSimPerformanceData::SetUsage(std::size_t Processor, double Percent) {
  CatchUp();
  FProcessors.at(Processor).Usage = Percent;
}

void TSimPerformanceData::SetIdleCounter(std::size_t Processor, std::int64_t Value) {
  CatchUp();
  FProcessors.at(Processor).Idle = static_cast<long double>(Value);
}

std::vector<std::uint8_t> TSimPerformanceData::CurrentBlock() {
  CatchUp();
  TPerfBlockContent Content;
  Content.SystemTime = SystemTimeAt(FLastMs);
  if (!WithoutObjects) {
    std::vector<std::int64_t> IdleTimes;
    for (const TProcessor& Processor : FProcessors) {
      // Counters wrap like the system's 64-bit ones.
      const long double Wrapped = std::fmod(std::round(Processor.Idle), 18446744073709551616.0L);
      IdleTimes.push_back(static_cast<std::int64_t>(static_cast<std::uint64_t>(Wrapped)));
    }
    Content.Objects.push_back(ProcessorObject(IdleTimes, WithTotalInstance));
  }
  return BuildPerfDataBlock(Content);
}

bool TSimPerformanceData::QueryPerformanceData(std::string_view ValueName,
                                               std::vector<std::uint8_t>& Buffer) {
  ++QueryCount;
  LastValueName = ValueName;
  std::vector<std::uint8_t> Block;
  if (!ScriptedBlocks.empty()) {
    Block = std::move(ScriptedBlocks.front());
    ScriptedBlocks.pop_front();
  } else {
    Block = CurrentBlock();
  }
  if (YieldDuringQuery)
    std::this_thread::yield();
  if (AfterQuery)
    AfterQuery();
  if (QueryFails)
    return false;
  Buffer = std::move(Block);
  return true;
}

bool TSimPerformanceData::TouchDynData(std::string_view Key, std::string_view Name) {
  const bool Opens = Key.find("StartStat") == std::string_view::npos || StartStatOpens;
  std::string Call = "touch ";
  Call += Key;
  Call += ' ';
  Call += Opens ? Name : std::string_view("failed");
  DynCalls.push_back(std::move(Call));
  return Opens;
}

std::unique_ptr<TDynDataKey> TSimPerformanceData::OpenDynData(std::string_view Key) {
  DynCalls.push_back("open " + std::string(Key) + (StatDataOpens ? "" : " failed"));
  if (!StatDataOpens)
    return nullptr;
  return std::make_unique<TSimDynDataKey>(*this, std::string(Key));
}
