#include "core/uKindRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/uKindList.h"
#include "platform/sim/uSimEventLoop.h"

namespace {

// The kind chooser's order. Kinds still to be built are missing from the registry; the ones
// present must keep this order.
const std::vector<std::string> kEventOrder = {
    "Countdown",    "OnTime",        "Weekly",        "WinampStops", "CPUUsage",
    "NetworkUsage", "HardDiskUsage", "UserInactive",  "Battery",     "Window",
    "Process",      "PingStops",     "FileSizeLimit", "Lid"};
const std::vector<std::string> kActionOrder = {
    "Shutdown",  "Reboot",      "Logoff",      "Lock",       "Sleep",
    "Hibernate", "Monitor",     "ScreenSaver", "Screenshot", "Volume",
    "HangUp",    "Alarm",       "Message",     "PlaySound",  "RunProgram",
    "OpenFile",  "CloseWindow", "KillProcess", "Utilities",  "RunPreset"};

template <typename TList>
void ExpectInTableOrder(const TList& Kinds, const std::vector<std::string>& Table) {
  std::ptrdiff_t Previous = -1;
  for (const auto& Kind : Kinds) {
    auto It = std::find(Table.begin(), Table.end(), Kind->ID());
    ASSERT_NE(It, Table.end()) << "unknown kind " << Kind->ID();
    EXPECT_GT(It - Table.begin(), Previous) << Kind->ID() << " is out of order";
    Previous = It - Table.begin();
  }
}

class KindRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterKinds(Registry); }
  TSimEventLoop Loop;
  TKoServices Services{Loop};
  TKoKindRegistry Registry{Services};
};

TEST_F(KindRegistryTest, KindsAreListedInTheChoosersOrder) {
  ASSERT_FALSE(Registry.EventKinds().empty());
  ExpectInTableOrder(Registry.EventKinds(), kEventOrder);
  ExpectInTableOrder(Registry.ActionKinds(), kActionOrder);
  for (const auto& Kind : Registry.EventKinds())
    EXPECT_FALSE(Kind->Name().empty()) << Kind->ID();
  for (const auto& Kind : Registry.ActionKinds())
    EXPECT_FALSE(Kind->Name().empty()) << Kind->ID();
}

TEST_F(KindRegistryTest, LookupIgnoresCaseAndKnowsTheOldBatteryName) {
  EXPECT_EQ(Registry.FindEventKind("countdown"), 0);
  EXPECT_EQ(Registry.FindEventKind("WEEKLY"), 2);
  EXPECT_EQ(Registry.FindEventKind("Wait"), -1);
  EXPECT_EQ(Registry.FindEventKind(""), -1);
  EXPECT_EQ(Registry.FindActionKind("Lock Workstation"), -1) << "display names are not identifiers";
  const int Battery = Registry.FindEventKind("Battery");
  if (Battery >= 0) {
    EXPECT_EQ(Registry.FindEventKind("battery"), Battery);
    EXPECT_EQ(Registry.FindEventKind("BatteryLow"), Battery);
  }
  EXPECT_EQ(Registry.FindEventKind("batterylow"), -1) << "the alias is exact";
  const int Shutdown = Registry.FindActionKind("Shutdown");
  if (Shutdown >= 0) {
    EXPECT_EQ(Registry.FindActionKind("shutdown"), Shutdown);
  }
}

TEST_F(KindRegistryTest, GetReturnsThePrototypeAndCreateANewDefaultObject) {
  TKoEventObject* Prototype = Registry.GetEventKind("countdown");
  ASSERT_NE(Prototype, nullptr);
  EXPECT_EQ(Prototype, Registry.EventKinds()[0].get());
  Prototype->SetConfigText("TIME=1:00:00;");

  auto Fresh = Registry.CreateEvent("Countdown");
  ASSERT_NE(Fresh, nullptr);
  EXPECT_NE(Fresh.get(), Prototype);
  EXPECT_EQ(Fresh->GetConfigText(), "TIME=0:10:00;") << "defaults, not the prototype's settings";

  EXPECT_EQ(Registry.GetEventKind("nope"), nullptr);
  EXPECT_EQ(Registry.CreateEvent("nope"), nullptr);
  EXPECT_EQ(Registry.CreateAction("nope"), nullptr);
}

}  // namespace
