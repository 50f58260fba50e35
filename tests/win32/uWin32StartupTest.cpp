// The single-instance channel and the autorun entries on the real system, under Wine.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/uAppCommunicator.h"
#include "app/uAutorun.h"
#include "platform/win32/uWin32InstanceChannel.h"
#include "platform/win32/uWin32Registry.h"
#include "platform/win32/uWindows.h"

namespace {

std::string UniqueName(const std::string& Stem) {
  return Stem + std::to_string(std::random_device{}());
}

TEST(Win32InstanceChannelTest, FirstClaimWinsAndTextsReachIt) {
  const std::string Channel = UniqueName("Tulmo/KolvaneTest/");
  TWin32InstanceChannel FirstProcess, SecondProcess;
  TAppCommunicator First(FirstProcess), Second(SecondProcess);
  std::vector<std::string> Heard;
  First.OnMessage = [&](const std::string& Text) { Heard.push_back(Text); };
  First.Start(Channel, true);
  Second.Start(Channel, true);
  ASSERT_TRUE(First.IsMaster());
  ASSERT_FALSE(Second.IsMaster());
  EXPECT_TRUE(Second.Send(""));
  EXPECT_TRUE(Second.Send("caf\xC3\xA9"));
  EXPECT_EQ(Heard, (std::vector<std::string>{"", "caf\xC3\xA9"}));
}

TEST(Win32InstanceChannelTest, SendingWithNobodyHoldingTheNameFails) {
  TWin32InstanceChannel Channel;
  EXPECT_FALSE(Channel.Send(UniqueName("Tulmo/KolvaneTest/none/"), ""));
}

TEST(Win32AutorunTest, EntriesForTheCurrentUserAndAllUsers) {
  const std::string Program = "C:\\Kolvane Test\\" + UniqueName("kolvane") + ".exe";
  TWin32Registry Registry;
  for (bool AllUsers : {false, true}) {
    EXPECT_FALSE(IsAutorunEnabled(Registry, Program, AllUsers));
    SetAutorun(Registry, Program, AllUsers, true);
    EXPECT_TRUE(IsAutorunEnabled(Registry, Program, AllUsers));
  }
  RemoveAutorunEntries(Registry, Program);
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, false));
  EXPECT_FALSE(IsAutorunEnabled(Registry, Program, true));
}

}  // namespace
