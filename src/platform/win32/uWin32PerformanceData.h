#pragma once

#include "platform/uPerformanceData.h"

// HKEY_PERFORMANCE_DATA queries, and the HKEY_DYN_DATA statistics of Windows 9x (which NT
// systems do not have: those keys simply fail to open there).
class TWin32PerformanceData : public TPerformanceData {
 public:
  TWin32PerformanceData() = default;
  // Closing HKEY_PERFORMANCE_DATA lets the system unload the counter providers it loaded.
  ~TWin32PerformanceData() override;
  TWin32PerformanceData(const TWin32PerformanceData&) = delete;
  TWin32PerformanceData& operator=(const TWin32PerformanceData&) = delete;

  bool QueryPerformanceData(std::string_view ValueName, std::vector<std::uint8_t>& Buffer) override;
  bool TouchDynData(std::string_view Key, std::string_view Name) override;
  std::unique_ptr<TDynDataKey> OpenDynData(std::string_view Key) override;

 private:
  bool FQueried = false;
};
