#include "platform/sim/uPerfDataBlockBuilder.h"

#include "platform/uPerfDataLayout.h"

namespace {

using namespace perfdata;

class TBlockWriter {
 public:
  std::vector<std::uint8_t> Bytes;

  std::uint32_t Size() const { return static_cast<std::uint32_t>(Bytes.size()); }
  void Grow(std::uint32_t Count) { Bytes.resize(Bytes.size() + Count, 0); }
  void AlignTo8() { Grow((8 - Size() % 8) % 8); }
  void Put(std::uint32_t Offset, std::uint64_t Value, unsigned Length) {
    for (unsigned I = 0; I < Length; ++I)
      Bytes[Offset + I] = static_cast<std::uint8_t>(Value >> (8 * I));
  }
  void Put16(std::uint32_t Offset, std::uint16_t Value) { Put(Offset, Value, 2); }
  void Put32(std::uint32_t Offset, std::uint32_t Value) { Put(Offset, Value, 4); }
  void Put64(std::uint32_t Offset, std::int64_t Value) {
    Put(Offset, static_cast<std::uint64_t>(Value), 8);
  }
  // UTF-16 with its terminating zero; returns its length in bytes.
  std::uint32_t PutWide(const std::string& Text) {
    const std::uint32_t Start = Size();
    Grow(static_cast<std::uint32_t>(Text.size() + 1) * 2);
    for (std::size_t I = 0; I < Text.size(); ++I)
      Put16(Start + static_cast<std::uint32_t>(I) * 2, static_cast<std::uint8_t>(Text[I]));
    return Size() - Start;
  }
};

std::uint32_t HeaderLength(const TPerfBlockContent& Content) {
  const std::uint32_t Length =
      kBlockSize + static_cast<std::uint32_t>(Content.SystemName.size() + 1) * 2;
  return (Length + 7) / 8 * 8;
}

void WriteObject(TBlockWriter& W, const TPerfObjectContent& Object) {
  const std::uint32_t Start = W.Size();
  const auto NumCounters = static_cast<std::uint32_t>(Object.Counters.size());
  W.Grow(kObjectSize);
  W.Put32(Start + kObjectHeaderLength, kObjectSize);
  W.Put32(Start + kObjectNameTitleIndex, Object.TitleIndex);
  W.Put32(Start + kObjectNumCounters, NumCounters);
  W.Put32(Start + kObjectNumInstances, static_cast<std::uint32_t>(Object.Instances.size()));

  // Counter values follow the counter block's length field, 8-byte aligned.
  for (std::uint32_t C = 0; C < NumCounters; ++C) {
    const std::uint32_t Definition = W.Size();
    W.Grow(kCounterDefinitionSize);
    W.Put32(Definition + kCounterByteLength, kCounterDefinitionSize);
    W.Put32(Definition + kCounterNameTitleIndex, Object.Counters[C].TitleIndex);
    W.Put32(Definition + kCounterType, Object.Counters[C].Type);
    W.Put32(Definition + kCounterSize, 8);
    W.Put32(Definition + kCounterOffset, 8 + 8 * C);
  }
  W.Put32(Start + kObjectDefinitionLength, W.Size() - Start);

  for (const TPerfInstanceContent& Instance : Object.Instances) {
    const std::uint32_t Definition = W.Size();
    W.Grow(kInstanceSize);
    const std::uint32_t NameLength = W.PutWide(Instance.Name);
    W.AlignTo8();
    W.Put32(Definition + kInstanceByteLength, W.Size() - Definition);
    W.Put32(Definition + kInstanceNameOffset, kInstanceSize);
    W.Put32(Definition + kInstanceNameLength, NameLength);

    const std::uint32_t CounterBlock = W.Size();
    W.Grow(8 + 8 * NumCounters);
    W.Put32(CounterBlock + kCounterBlockByteLength, W.Size() - CounterBlock);
    for (std::uint32_t C = 0; C < NumCounters && C < Instance.Values.size(); ++C)
      W.Put64(CounterBlock + 8 + 8 * C, Instance.Values[C]);
  }
  W.Put32(Start + kObjectTotalByteLength, W.Size() - Start);
}

}  // namespace

std::vector<std::uint8_t> BuildPerfDataBlock(const TPerfBlockContent& Content) {
  TBlockWriter W;
  W.Grow(kBlockSize);
  const char kSignature[] = "PERF";
  for (int I = 0; I < 4; ++I)
    W.Put16(kBlockSignature + 2 * I, static_cast<std::uint16_t>(kSignature[I]));
  W.Put32(8, 1);   // LittleEndian
  W.Put32(12, 1);  // Version
  W.Put32(16, 1);  // Revision
  W.Put32(kBlockNumObjectTypes, static_cast<std::uint32_t>(Content.Objects.size()));
  for (int I = 0; I < 8; ++I)
    W.Put16(kBlockSystemTime + 2 * I, Content.SystemTime[static_cast<std::size_t>(I)]);
  W.Put32(80, static_cast<std::uint32_t>(Content.SystemName.size() + 1) * 2);  // SystemNameLength
  W.Put32(84, kBlockSize);                                                     // SystemNameOffset
  W.PutWide(Content.SystemName);
  W.AlignTo8();
  W.Put32(kBlockHeaderLength, W.Size());
  for (const TPerfObjectContent& Object : Content.Objects)
    WriteObject(W, Object);
  W.Put32(kBlockTotalByteLength, W.Size());
  return W.Bytes;
}

TPerfObjectContent ProcessorObject(const std::vector<std::int64_t>& IdleTimes, bool WithTotal) {
  constexpr std::uint32_t kUserTimeIndex = 142;
  constexpr std::uint32_t kPrivilegedTimeIndex = 144;
  constexpr std::uint32_t kPerf100NSecTimer = 0x20510500;
  TPerfObjectContent Object;
  Object.TitleIndex = kProcessorObjectIndex;
  Object.Counters = {{kUserTimeIndex, kPerf100NSecTimer},
                     {kPrivilegedTimeIndex, kPerf100NSecTimer},
                     {kProcessorTimeCounterIndex, kPerf100NSecTimerInv}};
  // Unsigned, so that counters near their wrap add up without overflow.
  std::uint64_t Sum = 0;
  for (std::size_t I = 0; I < IdleTimes.size(); ++I) {
    Object.Instances.push_back({std::to_string(I), {-1, -1, IdleTimes[I]}});
    Sum += static_cast<std::uint64_t>(IdleTimes[I]);
  }
  if (WithTotal) {
    const std::uint64_t Count = IdleTimes.empty() ? 1 : IdleTimes.size();
    Object.Instances.push_back({"_Total", {-1, -1, static_cast<std::int64_t>(Sum / Count)}});
  }
  return Object;
}

std::uint32_t FirstObjectOffset(const TPerfBlockContent& Content) {
  return HeaderLength(Content);
}
