#include "events/uIPUtils.h"

#include <gtest/gtest.h>

#include "platform/sim/uSimIpHelper.h"

namespace {

TEST(IPUtilsTest, AddressTexts) {
  EXPECT_EQ(IpAddressToString(0x0100007F), "127.0.0.1");
  EXPECT_EQ(IpAddressToString(0), "0.0.0.0");
  EXPECT_EQ(IpAddressToString(0xFFFFFFFF), "255.255.255.255");
  EXPECT_EQ(IpAddressToString(0x0A01A8C0), "192.168.1.10");

  const std::array<std::uint8_t, 8> Mac{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0xEE, 0xFF};
  struct Case {
    std::uint32_t Length;
    const char* Text;
  };
  const Case Cases[] = {
      {0, "00-00-00-00-00-00"},       {6, "00-1A-2B-3C-4D-5E"},         {1, "00"},
      {8, "00-1A-2B-3C-4D-5E-EE-FF"}, {200, "00-1A-2B-3C-4D-5E-EE-FF"},  // a length beyond the 8
                                                                         // bytes there are
  };
  for (const Case& C : Cases)
    EXPECT_EQ(MacAddressToString(Mac, C.Length), C.Text) << C.Length;
}

class IPUtilsHelperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Helper.AddInterface(1, {}, "Software Loopback Interface 1");
    Helper.AddInterface(7, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, "Ethernet adapter");
    Helper.AddInterface(9, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, "Second row, same address");
    Helper.AddInterface(12, {0xAA, 0xBB, 0xCC, 0x00, 0x00, 0x01}, "").DescrLen = 0;
    Helper.AddAddress(7, 0x0A01A8C0);
    Helper.AddAddress(7, 0x0B01A8C0);
    Helper.AddAddress(1, 0x0100007F);
  }
  TSimIpHelper Helper;
};

TEST_F(IPUtilsHelperTest, NothingIsReadBeforeTheLibraryIsLoaded) {
  EXPECT_FALSE(IsIpHelperLoaded(Helper));
  EXPECT_TRUE(GetIfTableRows(Helper).empty());
  std::uint32_t Index = 0;
  EXPECT_FALSE(FindInterfaceIndexByMac(Helper, "00-1A-2B-3C-4D-5E", Index));
  ASSERT_TRUE(LoadIpHelper(Helper));
  EXPECT_TRUE(LoadIpHelper(Helper));
  EXPECT_EQ(Helper.LoadAttempts, 1) << "loaded once, then kept";
  EXPECT_EQ(GetIfTableRows(Helper).size(), 4u);

  TSimIpHelper Missing;
  Missing.Loadable = false;
  EXPECT_FALSE(LoadIpHelper(Missing));
  EXPECT_FALSE(IsIpHelperLoaded(Missing));
}

TEST_F(IPUtilsHelperTest, InterfacesAreFoundByTheirMacTextFirstRowWinning) {
  ASSERT_TRUE(LoadIpHelper(Helper));
  struct Case {
    const char* Mac;
    bool Found;
    std::uint32_t Index;
  };
  const Case Cases[] = {
      {"00-1A-2B-3C-4D-5E", true, 7},
      {"00-1a-2b-3c-4d-5e", true, 7},
      {"00-00-00-00-00-00", true, 1},  // an interface without a physical address
      {"AA-BB-CC-00-00-01", true, 12},
      {"00-1A-2B-3C-4D", false, 0},
      {"", false, 0},
  };
  for (const Case& C : Cases) {
    std::uint32_t Index = 0;
    EXPECT_EQ(FindInterfaceIndexByMac(Helper, C.Mac, Index), C.Found) << C.Mac;
    EXPECT_EQ(Index, C.Index) << C.Mac;
  }
  Helper.TableFails = true;
  std::uint32_t Index = 0;
  EXPECT_FALSE(FindInterfaceIndexByMac(Helper, "00-1A-2B-3C-4D-5E", Index));
}

TEST_F(IPUtilsHelperTest, DescriptionsAddressesAndEntries) {
  ASSERT_TRUE(LoadIpHelper(Helper));
  const TMibIfRows Rows = GetIfTableRows(Helper);
  EXPECT_EQ(GetInterfaceDescription(Rows[1]), "Ethernet adapter");
  EXPECT_EQ(GetInterfaceDescription(Rows[3]), "") << "a length of 0 means no description";
  EXPECT_EQ(GetInterfaceMac(Rows[1]), "00-1A-2B-3C-4D-5E");

  EXPECT_EQ(GetInterfaceIpAddress(Helper, 7), "192.168.1.10") << "the first of its addresses";
  EXPECT_EQ(GetInterfaceIpAddress(Helper, 1), "127.0.0.1");
  EXPECT_EQ(GetInterfaceIpAddress(Helper, 12), "");
  Helper.AddressTableFails = true;
  EXPECT_EQ(GetInterfaceIpAddress(Helper, 7), "");

  Helper.AddTraffic(7, 1000, 20);
  TMibIfRow Row;
  ASSERT_TRUE(GetIfEntryRow(Helper, 7, Row));
  EXPECT_EQ(Row.InOctets, 1000u);
  EXPECT_EQ(Row.OutOctets, 20u);
  Helper.EntryFails.insert(7);
  EXPECT_FALSE(GetIfEntryRow(Helper, 7, Row));
  EXPECT_EQ(Row.Index, 7u);
  EXPECT_EQ(Row.InOctets, 0u) << "zero-filled apart from its index";
  EXPECT_FALSE(GetIfEntryRow(Helper, 99, Row));
}

}  // namespace
