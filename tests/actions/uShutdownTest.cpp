#include "actions/uShutdown.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/sim/uSimMachine.h"

namespace {

using testing::ElementsAre;

constexpr TOsVersion kWindows2000{2, 5, 0};
constexpr TOsVersion kWindows98{1, 4, 10};

const char* const kPrivilege = "AdjustTokenPrivileges SeShutdownPrivilege enable";

class ShutdownTest : public testing::Test {
 protected:
  TSimMachine Machine;
  TShutdownPorts Ports{Machine, Machine.Power, Machine.Windows};
};

TEST_F(ShutdownTest, ForcedLogoffOnWindows9xClosesTheShellWindowsFirst) {
  Machine.Version = kWindows98;
  Machine.WindowList.push_back({0x100, "", "Shell_TrayWnd", 1, true, false, false});
  Machine.WindowList.push_back({0x200, "Program Manager", "Progman", 1, true, false, false});
  EXPECT_TRUE(ShutdownSystem(Ports, TShutdownKind::skLogoff, true, ""));
  EXPECT_THAT(Machine.Calls, ElementsAre("PostMessageW \"Program Manager\" WM_QUIT",
                                         "PostMessageW \"Shell_TrayWnd\" WM_QUIT",
                                         "ExitWindowsEx flags=4 reason=0x00000000"));
}

TEST_F(ShutdownTest, ShellWindowsStayOnEveryOtherExit) {
  Machine.WindowList.push_back({0x200, "Program Manager", "Progman", 1, true, false, false});
  struct TCase {
    TOsVersion Version;
    TShutdownKind Kind;
    bool Force;
  };
  const TCase Cases[] = {{kWindows98, TShutdownKind::skLogoff, false},
                         {kWindows98, TShutdownKind::skShutdown, true},
                         {kWindows2000, TShutdownKind::skLogoff, true}};
  for (const auto& Case : Cases) {
    Machine.Calls.clear();
    Machine.Version = Case.Version;
    ShutdownSystem(Ports, Case.Kind, Case.Force, "");
    for (const auto& Call : Machine.Calls)
      EXPECT_EQ(Call.find("PostMessageW"), std::string::npos);
  }
}

TEST_F(ShutdownTest, AMissingPrivilegeNeverStopsTheAttempt) {
  struct TCase {
    const char* Name;
    bool TokenOpens;
    bool PrivilegeHeld;
  };
  const TCase Cases[] = {{"token cannot be opened", false, true},
                         {"token lacks the privilege", true, false}};
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    for (TShutdownKind Kind : {TShutdownKind::skShutdown, TShutdownKind::skReboot}) {
      Machine.Calls.clear();
      Machine.TokenOpens = Case.TokenOpens;
      Machine.ShutdownPrivilegeHeld = Case.PrivilegeHeld;
      // The system refuses without the privilege, and that refusal is the result.
      EXPECT_FALSE(ShutdownSystem(Ports, Kind, false, "x"));
      ASSERT_FALSE(Machine.Calls.empty());
      EXPECT_EQ(Machine.Calls.back().rfind("InitiateSystemShutdownExA", 0), 0u);
    }
  }
}

TEST_F(ShutdownTest, AMissingShutdownFunctionIsAFailureNotACrash) {
  Machine.InitiateSystemShutdownExists = false;
  EXPECT_FALSE(ShutdownSystem(Ports, TShutdownKind::skShutdown, false, "x"));
}

TEST_F(ShutdownTest, AnEmptyCommentPassesNoMessage) {
  CallInitiateSystemShutdown(Machine.Power, "", 0, false, false);
  EXPECT_THAT(Machine.Calls, ElementsAre("InitiateSystemShutdownExA message=nil timeout=0 "
                                         "force=FALSE reboot=FALSE reason=0x80000000"));
}

TEST_F(ShutdownTest, AnUnknownKindDoesNothing) {
  Machine.Version = kWindows2000;
  EXPECT_FALSE(ShutdownSystem(Ports, static_cast<TShutdownKind>(7), false, ""));
  EXPECT_THAT(Machine.Calls, ElementsAre(kPrivilege));
}

}  // namespace
