#include "events/uPerfDataReader.h"

#include <chrono>

#include "events/uSamplerStrings.h"
#include "platform/uPerfDataLayout.h"

namespace {

using namespace perfdata;

[[noreturn]] void RaiseMalformed() {
  throw ECPUUsageData(ResStr(ucpuusagedata::smalformedperformancedata));
}

// Little-endian reads inside [0, Limit) of the block; anything outside raises.
class TBlockReader {
 public:
  explicit TBlockReader(std::span<const std::uint8_t> Block) : FBlock(Block) {}

  std::size_t Size() const { return FBlock.size(); }

  void Require(std::uint64_t Offset, std::uint64_t Length, std::uint64_t Limit) const {
    if (Limit > FBlock.size() || Offset > Limit || Length > Limit - Offset)
      RaiseMalformed();
  }
  std::uint16_t U16(std::uint64_t Offset, std::uint64_t Limit) const {
    return static_cast<std::uint16_t>(Unsigned(Offset, 2, Limit));
  }
  std::uint32_t U32(std::uint64_t Offset, std::uint64_t Limit) const {
    return static_cast<std::uint32_t>(Unsigned(Offset, 4, Limit));
  }
  std::int32_t I32(std::uint64_t Offset, std::uint64_t Limit) const {
    return static_cast<std::int32_t>(U32(Offset, Limit));
  }
  std::int64_t I64(std::uint64_t Offset, std::uint64_t Limit) const {
    return static_cast<std::int64_t>(Unsigned(Offset, 8, Limit));
  }

 private:
  std::uint64_t Unsigned(std::uint64_t Offset, unsigned Length, std::uint64_t Limit) const {
    Require(Offset, Length, Limit);
    std::uint64_t Value = 0;
    for (unsigned I = Length; I-- > 0;)
      Value = (Value << 8) | FBlock[static_cast<std::size_t>(Offset + I)];
    return Value;
  }

  std::span<const std::uint8_t> FBlock;
};

std::int64_t ReadSystemTime(const TBlockReader& Reader) {
  const std::uint64_t End = Reader.Size();
  auto Field = [&](unsigned Index) { return Reader.U16(kBlockSystemTime + 2 * Index, End); };
  const TSystemTimeFields Fields{Field(0), Field(1), Field(2), Field(3),
                                 Field(4), Field(5), Field(6), Field(7)};
  const auto Time = SystemTimeToFileTime(Fields);
  if (!Time)
    RaiseMalformed();
  return *Time;
}

}  // namespace

TProcessorSample ReadProcessorSample(std::span<const std::uint8_t> Block,
                                     std::int32_t InstanceCount) {
  const TBlockReader Reader(Block);
  const std::uint64_t BlockEnd = Reader.Size();
  Reader.Require(0, kBlockSize, BlockEnd);

  // The Processor object.
  std::uint64_t Object = Reader.U32(kBlockHeaderLength, BlockEnd);
  const std::uint32_t NumObjectTypes = Reader.U32(kBlockNumObjectTypes, BlockEnd);
  bool Found = false;
  for (std::uint32_t I = 0; I < NumObjectTypes; ++I) {
    if (Reader.U32(Object + kObjectNameTitleIndex, BlockEnd) == kProcessorObjectIndex) {
      Found = true;
      break;
    }
    const std::uint32_t Length = Reader.U32(Object + kObjectTotalByteLength, BlockEnd);
    if (Length < kObjectSize)
      RaiseMalformed();
    Object += Length;
  }
  if (!Found)
    throw ECPUUsageData(ResStr(ucpuusagedata::sprocessorobjectnotfound));
  const std::uint64_t ObjectEnd = Object + Reader.U32(Object + kObjectTotalByteLength, BlockEnd);
  Reader.Require(Object, kObjectSize, ObjectEnd);

  TProcessorSample Sample;
  Sample.NumInstances = Reader.I32(Object + kObjectNumInstances, ObjectEnd);
  if (InstanceCount < 0)
    InstanceCount = Sample.NumInstances;
  // A processor object always has instances; one with fewer than were seen at the first sample
  // cannot be compared with it.
  if (Sample.NumInstances < 1 || InstanceCount > Sample.NumInstances ||
      std::uint64_t(InstanceCount) > (ObjectEnd - Object) / (kInstanceSize + kCounterBlockSize))
    RaiseMalformed();

  // Its processor time counter.
  std::uint64_t Counter = Object + Reader.U32(Object + kObjectHeaderLength, ObjectEnd);
  const std::uint32_t NumCounters = Reader.U32(Object + kObjectNumCounters, ObjectEnd);
  Found = false;
  for (std::uint32_t I = 0; I < NumCounters; ++I) {
    if (Reader.U32(Counter + kCounterNameTitleIndex, ObjectEnd) == kProcessorTimeCounterIndex) {
      Found = true;
      break;
    }
    const std::uint32_t Length = Reader.U32(Counter + kCounterByteLength, ObjectEnd);
    if (Length < kCounterDefinitionSize)
      RaiseMalformed();
    Counter += Length;
  }
  if (!Found)
    throw ECPUUsageData(ResStr(ucpuusagedata::sprocessortimecounternotfound));
  const std::uint32_t CounterOffset = Reader.U32(Counter + kCounterOffset, ObjectEnd);

  // The counter in each instance's counter block.
  std::uint64_t Instance = Object + Reader.U32(Object + kObjectDefinitionLength, ObjectEnd);
  Sample.IdleTimes.reserve(static_cast<std::size_t>(InstanceCount));
  for (std::int32_t K = 0; K < InstanceCount; ++K) {
    const std::uint32_t InstanceLength = Reader.U32(Instance + kInstanceByteLength, ObjectEnd);
    if (InstanceLength < kInstanceSize)
      RaiseMalformed();
    const std::uint64_t CounterBlock = Instance + InstanceLength;
    const std::uint32_t CounterBlockLength =
        Reader.U32(CounterBlock + kCounterBlockByteLength, ObjectEnd);
    if (CounterBlockLength < kCounterBlockSize)
      RaiseMalformed();
    const std::uint64_t CounterBlockEnd = CounterBlock + CounterBlockLength;
    Reader.Require(CounterBlock, CounterBlockLength, ObjectEnd);
    Sample.IdleTimes.push_back(Reader.I64(CounterBlock + CounterOffset, CounterBlockEnd));
    Instance = CounterBlockEnd;
  }

  Sample.Time = ReadSystemTime(Reader);
  return Sample;
}

std::optional<std::int64_t> SystemTimeToFileTime(const TSystemTimeFields& Time) {
  using namespace std::chrono;
  if (Time.Year < 1601 || Time.Year > 30827 || Time.Hour > 23 || Time.Minute > 59 ||
      Time.Second > 59 || Time.Milliseconds > 999)
    return std::nullopt;
  const year_month_day Date{year{Time.Year}, month{Time.Month}, day{Time.Day}};
  if (!Date.ok())
    return std::nullopt;
  constexpr year_month_day kFileTimeEpoch{year{1601}, January, day{1}};
  const auto Days = (sys_days(Date) - sys_days(kFileTimeEpoch)).count();
  const std::int64_t Milliseconds =
      ((std::int64_t{Days} * 24 + Time.Hour) * 60 + Time.Minute) * 60000 +
      std::int64_t{Time.Second} * 1000 + Time.Milliseconds;
  return Milliseconds * 10000;
}
