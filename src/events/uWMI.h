#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/uWmi.h"

// A connection to the local WMI service's "root\CIMV2" namespace, made on the first query and
// kept until Disconnect, so that a sample a second does not reconnect each time.
class TWMIHelper {
 public:
  // Locator may be null: every query then fails with EWmiError.
  explicit TWMIHelper(TWmiLocator* Locator);
  ~TWMIHelper();
  TWMIHelper(const TWMIHelper&) = delete;
  TWMIHelper& operator=(const TWMIHelper&) = delete;

  bool Connected() const { return FConnected; }
  // Raises EWmiError.
  void Connect();
  void Disconnect();
  // Connects when needed and runs a forward-only WQL query. Raises EWmiError.
  std::vector<TWmiRow> RunQuery(std::string_view Wql, const std::vector<std::string>& Properties,
                                std::size_t MaxRows);

 private:
  bool FConnected = false;
  std::unique_ptr<TWmiServices> FServices;
  TWmiLocator* FLocator;
};

// The raw counters of Win32_PerfRawData_PerfDisk_LogicalDisk, in the class's property names.
struct TLogicalDiskRawData {
  std::int64_t AvgDiskBytesPerRead = 0;
  std::int64_t AvgDiskBytesPerRead_Base = 0;
  std::int64_t AvgDiskBytesPerTransfer = 0;
  std::int64_t AvgDiskBytesPerTransfer_Base = 0;
  std::int64_t AvgDiskBytesPerWrite = 0;
  std::int64_t AvgDiskBytesPerWrite_Base = 0;
  std::int64_t DiskBytesPerSec = 0;
  std::int64_t DiskReadBytesPerSec = 0;
  std::int64_t DiskWriteBytesPerSec = 0;
  std::int64_t Timestamp_PerfTime = 0;
  std::int64_t Frequency_PerfTime = 0;
};

// Reads the counters of all logical disks together (the "_Total" object). False, with Data
// untouched, when WMI has no such object or one of its counters is not a number. WMI failures
// raise EWmiError.
bool GetLogicalDiskRawData(TWMIHelper& Helper, TLogicalDiskRawData& Data);

// Bytes per second between two samples. Two samples without time between them (or with the
// clock going back) measure nothing: the result is then -1.
long double GetDiskTotalRate(const TLogicalDiskRawData& Previous,
                             const TLogicalDiskRawData& Current);
long double GetDiskReadRate(const TLogicalDiskRawData& Previous,
                            const TLogicalDiskRawData& Current);
long double GetDiskWriteRate(const TLogicalDiskRawData& Previous,
                             const TLogicalDiskRawData& Current);
