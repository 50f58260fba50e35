// The performance-counter switches on the real registry, under a service key of the test's own.

#include "platform/win32/uWin32Registry.h"

#include <gtest/gtest.h>

#include "events/uPerfCounters.h"
#include "platform/win32/uWin32Handles.h"

namespace {

const wchar_t kServiceKey[] = L"SYSTEM\\CurrentControlSet\\Services\\KolvaneUsageTest";
const wchar_t kPerformanceKey[] =
    L"SYSTEM\\CurrentControlSet\\Services\\KolvaneUsageTest\\Performance";
const wchar_t kValue[] = L"Disable Performance Counters";
const std::vector<std::string> kService = {"KolvaneUsageTest"};

// The test's service key, removed again whatever happens.
class TTestServiceKey {
 public:
  TTestServiceKey() {
    HKEY Raw = nullptr;
    FCreated = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kPerformanceKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                               nullptr, &Raw, nullptr) == ERROR_SUCCESS;
    FKey.reset(Raw);
  }
  ~TTestServiceKey() {
    FKey.reset();
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kServiceKey);
  }
  TTestServiceKey(const TTestServiceKey&) = delete;
  TTestServiceKey& operator=(const TTestServiceKey&) = delete;

  bool Created() const { return FCreated; }
  void Set(DWORD Type, const void* Data, DWORD Size) {
    RegSetValueExW(FKey.get(), kValue, 0, Type, static_cast<const BYTE*>(Data), Size);
  }

 private:
  TRegistryKeyHandle FKey;
  bool FCreated = false;
};

TEST(Win32RegistryTest, AServiceSwitchIsReadAndClearedForReal) {
  TWin32Registry Registry;
  EXPECT_FALSE(IsServiceCountersDisabled(Registry, "KolvaneUsageTest")) << "no key yet";
  SetServiceCountersDisabled(Registry, "KolvaneUsageTest", true);
  HKEY Probe = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_READ, &Probe), ERROR_SUCCESS)
      << "a missing key is not created";
  if (Probe)
    RegCloseKey(Probe);

  TTestServiceKey Key;
  ASSERT_TRUE(Key.Created());
  EXPECT_FALSE(IsServiceCountersDisabled(Registry, "KolvaneUsageTest")) << "no value";
  struct Case {
    const char* Setting;
    DWORD Type;
    std::vector<BYTE> Data;
    bool Disabled;
  };
  const Case Cases[] = {
      {"DWORD 1", REG_DWORD, {1, 0, 0, 0}, true},    {"DWORD 0", REG_DWORD, {0, 0, 0, 0}, false},
      {"DWORD 2", REG_DWORD, {2, 0, 0, 0}, false},   {"text 1", REG_SZ, {'1', 0, 0, 0}, false},
      {"binary 1", REG_BINARY, {1, 0, 0, 0}, false},
  };
  for (const Case& C : Cases) {
    Key.Set(C.Type, C.Data.data(), static_cast<DWORD>(C.Data.size()));
    EXPECT_EQ(IsServiceCountersDisabled(Registry, "KolvaneUsageTest"), C.Disabled) << C.Setting;
  }

  SetServiceCountersDisabled(Registry, "KolvaneUsageTest", true);
  EXPECT_TRUE(ArePerformanceCountersDisabled(Registry, kService));
  EnablePerformanceCounters(Registry, kService);
  EXPECT_FALSE(ArePerformanceCountersDisabled(Registry, kService));
  const auto Written =
      Registry.ReadValue(TRegistryRoot::rrLocalMachine,
                         "SYSTEM\\CurrentControlSet\\Services\\KolvaneUsageTest\\Performance",
                         "Disable Performance Counters");
  ASSERT_TRUE(Written);
  EXPECT_EQ(Written->Type, static_cast<std::uint32_t>(REG_DWORD));
  EXPECT_EQ(Written->Data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST(Win32RegistryTest, ThisSystemsDiskCountersAreOn) {
  TWin32Registry Registry;
  const std::vector<std::string> Disk = {"PerfDisk"};
  EXPECT_FALSE(ArePerformanceCountersDisabled(Registry, Disk));
}

}  // namespace
