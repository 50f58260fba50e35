#include "platform/sim/uSimWmi.h"

class TSimWmi::TServices : public TWmiServices {
 public:
  explicit TServices(TSimWmi& Wmi) : FWmi(Wmi) {}

  std::vector<TWmiRow> ExecQuery(std::string_view Wql, const std::vector<std::string>& Properties,
                                 std::size_t MaxRows) override {
    FWmi.Calls.push_back("query " + std::string(Wql));
    if (FWmi.QueryFails)
      throw EWmiError("simulated WMI query failure");
    const bool DiskQuery =
        Wql.find("Win32_PerfRawData_PerfDisk_LogicalDisk") != std::string_view::npos &&
        Wql.find("\"_Total\"") != std::string_view::npos;
    if (!DiskQuery || !FWmi.DiskObjectPresent || MaxRows == 0)
      return {};
    const auto Values = FWmi.DiskProperties();
    TWmiRow Row;
    for (const std::string& Property : Properties) {
      if (auto Override = FWmi.Overrides.find(Property); Override != FWmi.Overrides.end()) {
        Row.push_back(Override->second);
        continue;
      }
      auto Value = Values.find(Property);
      Row.push_back(Value == Values.end() ? std::optional<std::string>() : Value->second);
    }
    return {Row};
  }

 private:
  TSimWmi& FWmi;
};

TSimWmi::TSimWmi(std::function<std::uint64_t()> ClockMs) : FClockMs(std::move(ClockMs)) {}

void TSimWmi::AddTransfer(std::uint64_t ReadBytes, std::uint64_t WrittenBytes) {
  FReadBytes += ReadBytes;
  FWrittenBytes += WrittenBytes;
}

std::unique_ptr<TWmiServices> TSimWmi::ConnectServer(std::string_view Server,
                                                     std::string_view Namespace) {
  Calls.push_back("connect " + std::string(Server) + " " + std::string(Namespace));
  if (ConnectFails)
    throw EWmiError("simulated WMI connection failure");
  return std::make_unique<TServices>(*this);
}

std::map<std::string, std::string> TSimWmi::DiskProperties() const {
  const std::uint64_t Timestamp = FClockMs() * static_cast<std::uint64_t>(Frequency) / 1000;
  const auto Text = [](std::uint64_t Value) { return std::to_string(Value); };
  return {{"AvgDiskBytesPerRead", "0"},
          {"AvgDiskBytesPerRead_Base", "0"},
          {"AvgDiskBytesPerTransfer", "0"},
          {"AvgDiskBytesPerTransfer_Base", "0"},
          {"AvgDiskBytesPerWrite", "0"},
          {"AvgDiskBytesPerWrite_Base", "0"},
          {"DiskBytesPerSec", Text(FReadBytes + FWrittenBytes)},
          {"DiskReadBytesPerSec", Text(FReadBytes)},
          {"DiskWriteBytesPerSec", Text(FWrittenBytes)},
          {"Timestamp_PerfTime", Text(Timestamp)},
          {"Frequency_PerfTime", Text(static_cast<std::uint64_t>(Frequency))}};
}
