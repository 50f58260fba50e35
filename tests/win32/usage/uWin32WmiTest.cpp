// WMI for real: Wine's service connects and answers the operating system classes, but has no
// provider for the disk performance classes.

#include "platform/win32/uWin32Wmi.h"

#include <gtest/gtest.h>

#include "events/uEventHardDiskUsage.h"
#include "events/uWMI.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32Registry.h"
#include "uWineDetection.h"

namespace {

TEST(Win32WmiTest, QueriesReadPropertiesAsTextAndSixtyFourBitNumbersExactly) {
  TWin32WmiLocator Locator;
  TWMIHelper Helper(&Locator);
  const auto Rows = Helper.RunQuery("SELECT * FROM Win32_OperatingSystem",
                                    {"Caption", "TotalVisibleMemorySize"}, 5);
  ASSERT_TRUE(Helper.Connected());
  ASSERT_EQ(Rows.size(), 1u);
  ASSERT_EQ(Rows[0].size(), 2u);
  ASSERT_TRUE(Rows[0][0]);
  EXPECT_NE(Rows[0][0]->find("Windows"), std::string::npos) << *Rows[0][0];
  // A uint64 property: WMI delivers it as decimal text.
  ASSERT_TRUE(Rows[0][1]);
  EXPECT_GT(std::stoull(*Rows[0][1]), 0u) << *Rows[0][1];
  EXPECT_EQ(Rows[0][1]->find_first_not_of("0123456789"), std::string::npos) << *Rows[0][1];

  EXPECT_TRUE(Helper.RunQuery("SELECT * FROM Win32_OperatingSystem", {"Caption"}, 0).empty());
}

TEST(Win32WmiTest, ErrorsSayWhichCallFailed) {
  TWin32WmiLocator Locator;
  TWMIHelper Helper(&Locator);
  try {
    Helper.RunQuery("SELECT * FROM Win32_OperatingSystem", {"NoSuchProperty"}, 1);
    ADD_FAILURE();
  } catch (const EWmiError& Error) {
    EXPECT_STREQ(Error.what(), "WMI call IWbemClassObject.Get failed: 0x80041002");
  }
  try {
    (void)Locator.ConnectServer("localhost", "root\\NoSuchNamespace");
    ADD_FAILURE();
  } catch (const EWmiError& Error) {
    EXPECT_NE(std::string(Error.what()).find("IWbemLocator.ConnectServer failed"),
              std::string::npos)
        << Error.what();
  }
}

TEST(Win32WmiTest, LogicalDiskCounters) {
  TWin32WmiLocator Locator;
  TWMIHelper Helper(&Locator);
  TLogicalDiskRawData Data;
  Data.Frequency_PerfTime = -5;
  if (RunningUnderWine()) {
    EXPECT_FALSE(GetLogicalDiskRawData(Helper, Data)) << "the query finds no _Total disk";
    EXPECT_EQ(Data.Frequency_PerfTime, -5);

    TWin32EventLoop Loop;
    TWin32Registry Registry;
    TKoServices Services{.EventLoop = Loop, .Wmi = &Locator, .SystemRegistry = &Registry};
    auto Event = TKoEventObject::Create<TKoEventHardDiskUsage>(Services);
    try {
      Event->Start();
      ADD_FAILURE();
    } catch (const EKoException& Error) {
      EXPECT_STREQ(Error.what(), "Failed to get logical disk information");
    }
    return;
  }
  ASSERT_TRUE(GetLogicalDiskRawData(Helper, Data));
  EXPECT_GT(Data.Frequency_PerfTime, 0);
  EXPECT_GT(Data.Timestamp_PerfTime, 0);
}

}  // namespace
