#include "events/uWMI.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "core/uStringUtils.h"
#include "events/uSamplerStrings.h"

namespace {

constexpr char kServer[] = "localhost";
constexpr char kNamespace[] = "root\\CIMV2";
constexpr char kLogicalDiskQuery[] =
    "SELECT * FROM Win32_PerfRawData_PerfDisk_LogicalDisk WHERE Name = \"_Total\"";

// In the order of TLogicalDiskRawData's fields.
const std::vector<std::string> kLogicalDiskProperties = {
    "AvgDiskBytesPerRead",     "AvgDiskBytesPerRead_Base",
    "AvgDiskBytesPerTransfer", "AvgDiskBytesPerTransfer_Base",
    "AvgDiskBytesPerWrite",    "AvgDiskBytesPerWrite_Base",
    "DiskBytesPerSec",         "DiskReadBytesPerSec",
    "DiskWriteBytesPerSec",    "Timestamp_PerfTime",
    "Frequency_PerfTime"};

// WMI hands out 64-bit counters as decimal text. Whole numbers are read exactly (a detour through
// a double would lose the low digits of large time stamps); anything else must at least be a
// real number, which is rounded.
std::optional<std::int64_t> CounterValue(const std::optional<std::string>& Text) {
  if (!Text)
    return std::nullopt;
  const std::string_view Trimmed = TrimBlanks(*Text);
  const char* First = Trimmed.data();
  const char* Last = First + Trimmed.size();
  if (Trimmed.empty())
    return std::nullopt;
  if (Trimmed.front() != '-') {
    std::uint64_t Unsigned = 0;
    auto [End, Error] = std::from_chars(First, Last, Unsigned);
    if (Error == std::errc() && End == Last)
      return static_cast<std::int64_t>(Unsigned);  // counters past 2^63 keep their differences
  } else {
    std::int64_t Signed = 0;
    auto [End, Error] = std::from_chars(First, Last, Signed);
    if (Error == std::errc() && End == Last)
      return Signed;
  }
  double Real = 0;
  auto [End, Error] = std::from_chars(First, Last, Real);
  if (Error != std::errc() || End != Last || !std::isfinite(Real) || std::fabs(Real) >= 9.2e18)
    return std::nullopt;
  return std::llround(Real);
}

long double Seconds(const TLogicalDiskRawData& Sample) {
  return static_cast<long double>(Sample.Timestamp_PerfTime) /
         static_cast<long double>(Sample.Frequency_PerfTime);
}

long double Rate(std::int64_t TLogicalDiskRawData::*Counter, const TLogicalDiskRawData& Previous,
                 const TLogicalDiskRawData& Current) {
  if (Previous.Frequency_PerfTime <= 0 || Current.Frequency_PerfTime <= 0)
    return -1;
  const long double Interval = Seconds(Current) - Seconds(Previous);
  if (!(Interval > 0))
    return -1;
  const auto Bytes = static_cast<std::int64_t>(static_cast<std::uint64_t>(Current.*Counter) -
                                               static_cast<std::uint64_t>(Previous.*Counter));
  return static_cast<long double>(Bytes) / Interval;
}

}  // namespace

TWMIHelper::TWMIHelper(TWmiLocator* Locator) : FLocator(Locator) {}

TWMIHelper::~TWMIHelper() {
  Disconnect();
}

void TWMIHelper::Connect() {
  if (FConnected)
    return;
  if (!FLocator)
    throw EWmiError(ResStr(uwmi::swminotavailable));
  FServices = FLocator->ConnectServer(kServer, kNamespace);
  FConnected = FServices != nullptr;
}

void TWMIHelper::Disconnect() {
  FServices.reset();
  FConnected = false;
}

std::vector<TWmiRow> TWMIHelper::RunQuery(std::string_view Wql,
                                          const std::vector<std::string>& Properties,
                                          std::size_t MaxRows) {
  Connect();
  if (!FServices)
    throw EWmiError(ResStr(uwmi::swminotavailable));
  return FServices->ExecQuery(Wql, Properties, MaxRows);
}

bool GetLogicalDiskRawData(TWMIHelper& Helper, TLogicalDiskRawData& Data) {
  const auto Rows = Helper.RunQuery(kLogicalDiskQuery, kLogicalDiskProperties, 1);
  if (Rows.empty() || Rows.front().size() != kLogicalDiskProperties.size())
    return false;
  std::int64_t TLogicalDiskRawData::*const Fields[] = {
      &TLogicalDiskRawData::AvgDiskBytesPerRead,
      &TLogicalDiskRawData::AvgDiskBytesPerRead_Base,
      &TLogicalDiskRawData::AvgDiskBytesPerTransfer,
      &TLogicalDiskRawData::AvgDiskBytesPerTransfer_Base,
      &TLogicalDiskRawData::AvgDiskBytesPerWrite,
      &TLogicalDiskRawData::AvgDiskBytesPerWrite_Base,
      &TLogicalDiskRawData::DiskBytesPerSec,
      &TLogicalDiskRawData::DiskReadBytesPerSec,
      &TLogicalDiskRawData::DiskWriteBytesPerSec,
      &TLogicalDiskRawData::Timestamp_PerfTime,
      &TLogicalDiskRawData::Frequency_PerfTime};
  TLogicalDiskRawData Read;
  for (std::size_t I = 0; I < kLogicalDiskProperties.size(); ++I) {
    const auto Value = CounterValue(Rows.front()[I]);
    if (!Value)
      return false;
    Read.*Fields[I] = *Value;
  }
  Data = Read;
  return true;
}

long double GetDiskTotalRate(const TLogicalDiskRawData& Previous,
                             const TLogicalDiskRawData& Current) {
  return Rate(&TLogicalDiskRawData::DiskBytesPerSec, Previous, Current);
}

long double GetDiskReadRate(const TLogicalDiskRawData& Previous,
                            const TLogicalDiskRawData& Current) {
  return Rate(&TLogicalDiskRawData::DiskReadBytesPerSec, Previous, Current);
}

long double GetDiskWriteRate(const TLogicalDiskRawData& Previous,
                             const TLogicalDiskRawData& Current) {
  return Rate(&TLogicalDiskRawData::DiskWriteBytesPerSec, Previous, Current);
}
