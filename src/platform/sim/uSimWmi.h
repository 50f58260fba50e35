#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/uWmi.h"

// A WMI service whose only performance class is the logical disks' raw counters, with their
// "_Total" object moved by the transfers a test scripts. Its time stamps follow the virtual
// clock. Connections and queries can be made to fail, and every call is recorded.
class TSimWmi : public TWmiLocator {
 public:
  explicit TSimWmi(std::function<std::uint64_t()> ClockMs);

  void AddTransfer(std::uint64_t ReadBytes, std::uint64_t WrittenBytes);

  std::int64_t Frequency = 10'000'000;  // Frequency_PerfTime
  bool DiskObjectPresent = true;        // false: the query finds nothing, as under Wine
  // Property texts that replace the computed ones (none: a null property).
  std::map<std::string, std::optional<std::string>> Overrides;
  bool ConnectFails = false;
  bool QueryFails = false;
  std::vector<std::string> Calls;  // "connect <server> <namespace>", "query <wql>"

  std::unique_ptr<TWmiServices> ConnectServer(std::string_view Server,
                                              std::string_view Namespace) override;

  // What the disk object's properties read now.
  std::map<std::string, std::string> DiskProperties() const;

 private:
  class TServices;
  std::function<std::uint64_t()> FClockMs;
  std::uint64_t FReadBytes = 0;
  std::uint64_t FWrittenBytes = 0;
};
