#include "events/uPerfCounters.h"

#include "core/uFormat.h"
#include "events/uSamplerStrings.h"
#include "platform/uRegistry.h"

namespace {

constexpr char kValueName[] = "Disable Performance Counters";
constexpr char kPerflibKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib";

std::string ServiceKey(std::string_view Service) {
  std::string Key = "SYSTEM\\CurrentControlSet\\Services\\";
  Key += Service;
  Key += "\\Performance";
  return Key;
}

bool IsSwitchSet(TRegistry& Registry, const std::string& Key) {
  const auto Value = Registry.ReadValue(TRegistryRoot::rrLocalMachine, Key, kValueName);
  if (!Value || Value->Type != kRegDWord || Value->Data.size() != 4)
    return false;
  const auto& D = Value->Data;
  const std::uint32_t Number = D[0] | (D[1] << 8) | (D[2] << 16) | (std::uint32_t{D[3]} << 24);
  return Number == 1;
}

void WriteSwitch(TRegistry& Registry, const std::string& Key, bool Value) {
  if (Registry.WriteDWord(TRegistryRoot::rrLocalMachine, Key, kValueName, Value ? 1 : 0) ==
      TRegistryWrite::rwFailed)
    throw EPerfCounters(Format(ResStr(uperfcounters::sfailedtosetdata), {kValueName}));
}

}  // namespace

bool IsPerflibCountersDisabled(TRegistry& Registry) {
  return IsSwitchSet(Registry, kPerflibKey);
}

bool IsServiceCountersDisabled(TRegistry& Registry, std::string_view Service) {
  return !Service.empty() && IsSwitchSet(Registry, ServiceKey(Service));
}

bool ArePerformanceCountersDisabled(TRegistry& Registry, std::span<const std::string> Services) {
  if (IsPerflibCountersDisabled(Registry))
    return true;
  for (const std::string& Service : Services)
    if (IsServiceCountersDisabled(Registry, Service))
      return true;
  return false;
}

void SetPerflibCountersDisabled(TRegistry& Registry, bool Value) {
  WriteSwitch(Registry, kPerflibKey, Value);
}

void SetServiceCountersDisabled(TRegistry& Registry, std::string_view Service, bool Value) {
  if (!Service.empty())
    WriteSwitch(Registry, ServiceKey(Service), Value);
}

void EnablePerformanceCounters(TRegistry& Registry, std::span<const std::string> Services) {
  for (const std::string& Service : Services)
    SetServiceCountersDisabled(Registry, Service, false);
  SetPerflibCountersDisabled(Registry, false);
}
