#include "events/uPerfCounters.h"

#include <gtest/gtest.h>

#include "platform/sim/uSimRegistry.h"

namespace {

constexpr TRegistryRoot kMachine = TRegistryRoot::rrLocalMachine;
const std::string kPerflib = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib";
const std::string kPerfDisk = "SYSTEM\\CurrentControlSet\\Services\\PerfDisk\\Performance";
const std::string kValue = "Disable Performance Counters";
const std::vector<std::string> kDisk = {"PerfDisk"};

TEST(PerfCountersTest, OnlyADwordOfOneCountsAsDisabled) {
  struct Case {
    const char* Setting;
    std::optional<TRegistryValue> Value;
    bool Disabled;
  };
  const Case Cases[] = {
      {"missing", std::nullopt, false},
      {"1", TRegistryValue{kRegDWord, {1, 0, 0, 0}}, true},
      {"0", TRegistryValue{kRegDWord, {0, 0, 0, 0}}, false},
      {"2", TRegistryValue{kRegDWord, {2, 0, 0, 0}}, false},
      {"0x100000001 cut to a DWORD", TRegistryValue{kRegDWord, {1, 0, 0, 1}}, false},
      {"the text 1", TRegistryValue{kRegSz, {'1', 0, 0, 0}}, false},
      {"a short DWORD", TRegistryValue{kRegDWord, {1}}, false},
  };
  for (const Case& C : Cases) {
    for (const std::string& Key : {kPerflib, kPerfDisk}) {
      TSimRegistry Registry;
      Registry.AddKey(kMachine, Key);
      if (C.Value)
        Registry.SetValue(kMachine, Key, kValue, *C.Value);
      EXPECT_EQ(ArePerformanceCountersDisabled(Registry, kDisk), C.Disabled)
          << C.Setting << " in " << Key;
      EXPECT_EQ(Key == kPerflib ? IsPerflibCountersDisabled(Registry)
                                : IsServiceCountersDisabled(Registry, "PerfDisk"),
                C.Disabled)
          << C.Setting << " in " << Key;
    }
  }
}

TEST(PerfCountersTest, ServicesAreCheckedByTheirOwnKeyOnly) {
  TSimRegistry Registry;
  Registry.SetDWord(kMachine, "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Performance", kValue, 1);
  EXPECT_FALSE(ArePerformanceCountersDisabled(Registry, kDisk));
  EXPECT_TRUE(
      ArePerformanceCountersDisabled(Registry, std::vector<std::string>{"PerfDisk", "Tcpip"}));
  EXPECT_FALSE(IsServiceCountersDisabled(Registry, ""));
}

TEST(PerfCountersTest, EnablingClearsTheServicesThenTheGlobalSwitch) {
  TSimRegistry Registry;
  Registry.SetDWord(kMachine, kPerflib, kValue, 1);
  Registry.SetDWord(kMachine, kPerfDisk, kValue, 1);
  EnablePerformanceCounters(Registry, kDisk);
  EXPECT_EQ(Registry.Writes, (std::vector<std::string>{kPerfDisk + "\\" + kValue + "=0",
                                                       kPerflib + "\\" + kValue + "=0"}));
  EXPECT_FALSE(ArePerformanceCountersDisabled(Registry, kDisk));

  SetServiceCountersDisabled(Registry, "PerfDisk", true);
  EXPECT_EQ(Registry.DWord(kMachine, kPerfDisk, kValue), 1u);
}

TEST(PerfCountersTest, KeysThatAreMissingOrLockedAreSkippedButAFailedWriteRaises) {
  TSimRegistry Missing;
  EnablePerformanceCounters(Missing, kDisk);
  EXPECT_TRUE(Missing.Writes.empty());
  EXPECT_FALSE(Missing.DWord(kMachine, kPerfDisk, kValue)) << "keys are never created";

  TSimRegistry Locked;
  Locked.SetDWord(kMachine, kPerflib, kValue, 1);
  Locked.SetDWord(kMachine, kPerfDisk, kValue, 1);
  Locked.ReadOnlyKeys.insert("SOFTWARE\\MICROSOFT\\WINDOWS NT\\CURRENTVERSION\\PERFLIB");
  EnablePerformanceCounters(Locked, kDisk);
  EXPECT_EQ(Locked.Writes.size(), 1u);
  EXPECT_TRUE(IsPerflibCountersDisabled(Locked));

  TSimRegistry Failing;
  Failing.SetDWord(kMachine, kPerfDisk, kValue, 1);
  Failing.WritesFail = true;
  try {
    EnablePerformanceCounters(Failing, kDisk);
    ADD_FAILURE();
  } catch (const EPerfCounters& Error) {
    EXPECT_STREQ(Error.what(), "Failed to set data for value \"Disable Performance Counters\"");
  }
}

}  // namespace
