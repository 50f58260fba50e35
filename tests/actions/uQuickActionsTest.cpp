// The quick actions on the simulated machine.

#include <gtest/gtest.h>

#include "actions/uPlannerQuickActions.h"
#include "uActionsHost.h"

namespace {

class QuickActionsTest : public testing::Test {
 protected:
  TActionsHost Host;
  TKoQuickActions Quick{Host.Services};

  // The machine calls an execution made, privilege steps left out.
  std::vector<std::string> CallsOf(const std::string& ID) {
    Host.Machine.Calls.clear();
    EXPECT_TRUE(Quick.ExecuteQuickAction(ID)) << ID;
    std::vector<std::string> Calls;
    for (const auto& Call : Host.Machine.Calls)
      if (Call.rfind("AdjustTokenPrivileges", 0) != 0)
        Calls.push_back(Call);
    return Calls;
  }
};

TEST_F(QuickActionsTest, ListedInMenuOrderWithNames) {
  std::vector<std::string> IDs, Names;
  for (const auto& Action : Quick.QuickActions()) {
    IDs.push_back(Action->GetID());
    Names.push_back(Action->GetName());
  }
  const std::vector<std::string> Order = {"Shutdown",   "Reboot",       "Logoff",     "Lock",
                                          "Sleep",      "Hibernate",    "MonitorOff", "ScreenSaver",
                                          "VolumeMute", "VolumeUnmute", "HangUp",     "Alarm"};
  EXPECT_EQ(IDs, Order);
  EXPECT_EQ(Quick.GetQuickActionName("lock"), "Lock Workstation");
  EXPECT_EQ(Quick.GetQuickActionName("nope"), "");
}

TEST_F(QuickActionsTest, FindsIdentifiersInAnyCase) {
  EXPECT_EQ(Quick.FindQuickAction("HIBERNATE"), Quick.QuickActions()[5].get());
  EXPECT_EQ(Quick.FindQuickAction("hangup")->GetID(), "HangUp");
  EXPECT_EQ(Quick.FindQuickAction("Turn Off Monitor"), nullptr);
  EXPECT_FALSE(Quick.ExecuteQuickAction("nope"));
}

TEST_F(QuickActionsTest, SessionEndsAndSuspendsNeverForce) {
  EXPECT_EQ(
      CallsOf("Shutdown"),
      std::vector<std::string>{"InitiateSystemShutdownExA message=\"Planned shutdown by Kolvane\" "
                               "timeout=0 force=FALSE reboot=FALSE reason=0x80000000"});
  EXPECT_EQ(CallsOf("sleep"), std::vector<std::string>{
                                  "SetSuspendState hibernate=FALSE force=FALSE disablewake=FALSE"});
  EXPECT_EQ(
      CallsOf("Hibernate"),
      std::vector<std::string>{"SetSuspendState hibernate=TRUE force=FALSE disablewake=FALSE"});
  EXPECT_EQ(CallsOf("Lock"), std::vector<std::string>{"LockWorkStation"});
}

TEST_F(QuickActionsTest, DisplayAndSoundCommandsRunTheirActionsWithFixedSettings) {
  EXPECT_EQ(Quick.GetQuickActionName("monitoroff"), "Turn Off Monitor");
  EXPECT_EQ(Quick.GetQuickActionName("VOLUMEMUTE"), "Mute Volume");
  EXPECT_EQ(Quick.GetQuickActionName("VolumeUnmute"), "Unmute Volume");
  EXPECT_EQ(Quick.GetQuickActionName("ScreenSaver"), "Screen Saver");
  EXPECT_EQ(Quick.GetQuickActionName("alarm"), "Alarm");

  EXPECT_TRUE(Quick.ExecuteQuickAction("MonitorOff"));
  EXPECT_TRUE(Quick.ExecuteQuickAction("ScreenSaver"));
  EXPECT_EQ(Host.Display.Calls,
            (std::vector<std::string>{"at 500 ms: WM_SYSCOMMAND SC_MONITORPOWER 2",
                                      "at 1000 ms: WM_SYSCOMMAND SC_SCREENSAVE 0"}));
  EXPECT_TRUE(Quick.ExecuteQuickAction("volumemute"));
  EXPECT_TRUE(Quick.ExecuteQuickAction("volumeunmute"));
  EXPECT_EQ(Host.Sound.Calls, (std::vector<std::string>{"IAudioEndpointVolume SetMute 1",
                                                        "IAudioEndpointVolume SetMute 0"}));
  // The alarm returns only when its window has closed.
  EXPECT_TRUE(Quick.ExecuteQuickAction("Alarm"));
  EXPECT_EQ(Host.ModalWindows.AlarmsShown, 1);
}

TEST_F(QuickActionsTest, FailuresAndIndexesOutsideTheListGiveFalse) {
  Host.Machine.PowerCallsSucceed = false;
  EXPECT_FALSE(Quick.ExecuteQuickAction("Shutdown"));
  Host.Sound.HasEndpoint = false;
  EXPECT_FALSE(Quick.ExecuteQuickAction("VolumeMute"));
  const int Count = static_cast<int>(Quick.QuickActions().size());
  EXPECT_FALSE(Quick.ExecuteQuickActionByIndex(Count));
  EXPECT_FALSE(Quick.ExecuteQuickActionByIndex(-1));
  Host.Machine.PowerCallsSucceed = true;
  EXPECT_TRUE(Quick.ExecuteQuickActionByIndex(3));
  EXPECT_FALSE(Quick.ExecuteQuickActionByIndex(12));
}

}  // namespace
