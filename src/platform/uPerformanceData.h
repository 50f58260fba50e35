#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

// A key of the Windows 9x dynamic statistics (HKEY_DYN_DATA) kept open for reading.
class TDynDataKey {
 public:
  virtual ~TDynDataKey() = default;
  // The 4-byte value of that name; none when it cannot be read.
  virtual std::optional<std::uint32_t> ReadDWord(std::string_view Name) = 0;
};

// Where the CPU sampler gets its raw readings: the performance data block of NT systems and the
// dynamic statistics of Windows 9x. The sampler understands the data; adapters only fetch it.
class TPerformanceData {
 public:
  virtual ~TPerformanceData() = default;

  // Queries HKEY_PERFORMANCE_DATA for the value name into Buffer, growing it while the system
  // asks for more room, and leaves Buffer holding exactly the bytes returned. False when the
  // query fails; Buffer then holds nothing usable. Buffer is the caller's so that its room is
  // kept from one sample to the next.
  virtual bool QueryPerformanceData(std::string_view ValueName,
                                    std::vector<std::uint8_t>& Buffer) = 0;

  // Opens the HKEY_DYN_DATA key with full access, reads its 4-byte value once (reading is what
  // starts or stops a statistic) and closes it. False when the key does not open.
  virtual bool TouchDynData(std::string_view Key, std::string_view Name) = 0;
  // Opens the HKEY_DYN_DATA key for reading; none when it does not open.
  virtual std::unique_ptr<TDynDataKey> OpenDynData(std::string_view Key) = 0;
};
