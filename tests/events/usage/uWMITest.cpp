#include "events/uWMI.h"

#include <gtest/gtest.h>

#include "platform/sim/uSimWmi.h"

namespace {

class WMITest : public ::testing::Test {
 protected:
  std::uint64_t Clock = 5000;
  TSimWmi Wmi{[this] { return Clock; }};
  TWMIHelper Helper{&Wmi};
};

TEST_F(WMITest, ConnectsOnceToTheLocalCimv2NamespaceAndKeepsTheConnection) {
  TLogicalDiskRawData Data;
  EXPECT_FALSE(Helper.Connected());
  ASSERT_TRUE(GetLogicalDiskRawData(Helper, Data));
  ASSERT_TRUE(GetLogicalDiskRawData(Helper, Data));
  EXPECT_TRUE(Helper.Connected());
  const std::string Query =
      "query SELECT * FROM Win32_PerfRawData_PerfDisk_LogicalDisk WHERE Name = \"_Total\"";
  EXPECT_EQ(Wmi.Calls, (std::vector<std::string>{"connect localhost root\\CIMV2", Query, Query}));

  Helper.Disconnect();
  EXPECT_FALSE(Helper.Connected());
  ASSERT_TRUE(GetLogicalDiskRawData(Helper, Data));
  EXPECT_EQ(Wmi.Calls.size(), 5u) << "connects again after Disconnect";
}

TEST_F(WMITest, ReadsTheElevenCountersExactly) {
  Wmi.Overrides["AvgDiskBytesPerRead"] = "4096";
  Wmi.Overrides["AvgDiskBytesPerWrite_Base"] = "1.5e3";
  Wmi.Overrides["DiskBytesPerSec"] = "18446744073709551615";    // a 64-bit counter about to wrap
  Wmi.Overrides["Timestamp_PerfTime"] = "1234567890123456789";  // beyond a double's digits
  Wmi.AddTransfer(300, 200);
  TLogicalDiskRawData Data;
  ASSERT_TRUE(GetLogicalDiskRawData(Helper, Data));
  EXPECT_EQ(Data.AvgDiskBytesPerRead, 4096);
  EXPECT_EQ(Data.AvgDiskBytesPerWrite_Base, 1500);
  EXPECT_EQ(Data.DiskBytesPerSec, -1);
  EXPECT_EQ(Data.DiskReadBytesPerSec, 300);
  EXPECT_EQ(Data.DiskWriteBytesPerSec, 200);
  EXPECT_EQ(Data.Timestamp_PerfTime, 1234567890123456789);
  EXPECT_EQ(Data.Frequency_PerfTime, 10'000'000);
}

TEST_F(WMITest, NoObjectOrAnUnreadableCounterLeavesTheDataUntouched) {
  struct Case {
    const char* Fault;
    std::optional<std::string> Frequency;
    bool Present;
  };
  const Case Cases[] = {
      {"no _Total object", "10000000", false},
      {"null property", std::nullopt, true},
      {"empty text", "", true},
      {"not a number", "fast", true},
      {"trailing text", "100 Hz", true},
      {"out of range", "1e300", true},
  };
  for (const Case& C : Cases) {
    Wmi.DiskObjectPresent = C.Present;
    Wmi.Overrides["Frequency_PerfTime"] = C.Frequency;
    TLogicalDiskRawData Data;
    Data.DiskBytesPerSec = 77;
    EXPECT_FALSE(GetLogicalDiskRawData(Helper, Data)) << C.Fault;
    EXPECT_EQ(Data.DiskBytesPerSec, 77) << C.Fault;
  }
}

TEST_F(WMITest, ServiceFailuresRaise) {
  Wmi.QueryFails = true;
  TLogicalDiskRawData Data;
  EXPECT_THROW(GetLogicalDiskRawData(Helper, Data), EWmiError);

  TSimWmi Refusing([] { return 0; });
  Refusing.ConnectFails = true;
  TWMIHelper Unconnected(&Refusing);
  EXPECT_THROW(GetLogicalDiskRawData(Unconnected, Data), EWmiError);
  EXPECT_FALSE(Unconnected.Connected());

  TWMIHelper WithoutWmi(nullptr);
  EXPECT_THROW(GetLogicalDiskRawData(WithoutWmi, Data), EWmiError);
}

TEST(DiskRateTest, BytesPerSecondOfEachCounter) {
  TLogicalDiskRawData Previous;
  Previous.DiskReadBytesPerSec = 1'000'000;
  Previous.DiskWriteBytesPerSec = 500;
  Previous.DiskBytesPerSec = 1'000'500;
  Previous.Timestamp_PerfTime = 30'000'000;
  Previous.Frequency_PerfTime = 10'000'000;
  TLogicalDiskRawData Current = Previous;
  Current.DiskReadBytesPerSec += 2'097'152;
  Current.DiskWriteBytesPerSec += 1024;
  Current.DiskBytesPerSec += 2'098'176;
  Current.Timestamp_PerfTime += 10'000'000;
  EXPECT_EQ(GetDiskReadRate(Previous, Current), 2'097'152);
  EXPECT_EQ(GetDiskWriteRate(Previous, Current), 1024);
  EXPECT_EQ(GetDiskTotalRate(Previous, Current), 2'098'176);

  // Each time stamp is divided by its own frequency: 3 s at 10 MHz, then 5 s at 1 kHz.
  TLogicalDiskRawData Slower = Current;
  Slower.Frequency_PerfTime = 1000;
  Slower.Timestamp_PerfTime = 5000;
  EXPECT_EQ(GetDiskReadRate(Previous, Slower), 2'097'152 / 2);

  // A counter that wrapped past 2^64 still gives its difference.
  TLogicalDiskRawData Wrapped = Previous;
  Wrapped.DiskBytesPerSec = INT64_MIN + 10;
  Previous.DiskBytesPerSec = INT64_MAX - 9;
  Wrapped.Timestamp_PerfTime += 10'000'000;
  EXPECT_EQ(GetDiskTotalRate(Previous, Wrapped), 20);
}

TEST(DiskRateTest, NoTimeBetweenSamplesMeasuresNothing) {
  TLogicalDiskRawData Previous;
  Previous.Timestamp_PerfTime = 10'000'000;
  Previous.Frequency_PerfTime = 10'000'000;
  TLogicalDiskRawData Same = Previous;
  Same.DiskBytesPerSec = 4096;
  EXPECT_EQ(GetDiskTotalRate(Previous, Same), -1);
  TLogicalDiskRawData Earlier = Same;
  Earlier.Timestamp_PerfTime = 0;
  EXPECT_EQ(GetDiskTotalRate(Previous, Earlier), -1);
  TLogicalDiskRawData NoFrequency = Same;
  NoFrequency.Timestamp_PerfTime = 20'000'000;
  NoFrequency.Frequency_PerfTime = 0;
  EXPECT_EQ(GetDiskTotalRate(Previous, NoFrequency), -1);
}

}  // namespace
