#include "actions/uShellUtils.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/sim/uSimMachine.h"
#include "platform/sim/uSimUserInterface.h"

namespace {

using testing::ElementsAre;

TEST(ShellUtilsTest, OpeningSucceedsAboveThirtyTwoAndStaysSilent) {
  TSimMachine Machine;
  Machine.ShellExecuteValue = 33;
  EXPECT_TRUE(ShellOpen(Machine.Shell, "C:\\Docs\\a.txt"));
  Machine.ShellExecuteValue = 32;
  EXPECT_FALSE(ShellOpen(Machine.Shell, "C:\\Docs\\a.txt"));
  EXPECT_THAT(Machine.Calls, ElementsAre("ShellExecuteW open \"C:\\Docs\\a.txt\"",
                                         "ShellExecuteW open \"C:\\Docs\\a.txt\""));
}

TEST(ShellUtilsTest, OpeningWithErrorExplainsTheFailureInAWarning) {
  TSimMachine Machine;
  TSimUserInterface UserInterface;
  Machine.ShellExecuteValue = 2;
  Machine.ErrorTexts[2] = "The system cannot find the file specified.";
  EXPECT_FALSE(ShellOpenWithError(Machine.Shell, UserInterface, "C:\\History.txt"));
  ASSERT_EQ(UserInterface.Shown.size(), 1u);
  EXPECT_EQ(UserInterface.Shown[0].Text,
            "Could not open the following file:\r\n\r\nC:\\History.txt\r\n\r\n"
            "Error: The system cannot find the file specified. (2).");
  EXPECT_EQ(UserInterface.Shown[0].Kind, TDialogKind::dkWarning);
  EXPECT_EQ(UserInterface.Shown[0].Buttons, TDialogButtons::dbOK);

  Machine.ShellExecuteValue = 42;
  EXPECT_TRUE(ShellOpenWithError(Machine.Shell, UserInterface, "C:\\History.txt"));
  EXPECT_EQ(UserInterface.Shown.size(), 1u);
}

TEST(ShellUtilsTest, TheShellsOwnErrorNumbersGetTheMatchingSystemText) {
  // 2, 3, 5, 8 and 11 are system error codes already.
  EXPECT_EQ(ShellExecuteErrorCode(2), 2u);
  EXPECT_EQ(ShellExecuteErrorCode(11), 11u);
  EXPECT_EQ(ShellExecuteErrorCode(0), 8u);      // out of memory or resources
  EXPECT_EQ(ShellExecuteErrorCode(26), 32u);    // sharing violation
  EXPECT_EQ(ShellExecuteErrorCode(31), 1155u);  // no association
  EXPECT_EQ(ShellExecuteErrorCode(27), 1155u);
  EXPECT_EQ(ShellExecuteErrorCode(29), 1156u);  // DDE failed
  EXPECT_EQ(ShellExecuteErrorCode(32), 1157u);  // DLL not found

  TSimMachine Machine;
  TSimUserInterface UserInterface;
  Machine.ShellExecuteValue = 31;
  Machine.ErrorTexts[1155] = "No application is associated with the specified file.";
  ShellOpenWithError(Machine.Shell, UserInterface, "x.abc");
  ASSERT_EQ(UserInterface.Shown.size(), 1u);
  EXPECT_THAT(UserInterface.Shown[0].Text,
              testing::EndsWith("No application is associated with the specified file. (31)."));
}

TEST(ShellUtilsTest, MinimizeAllRaisesTheShellsFailure) {
  TSimMachine Machine;
  EXPECT_NO_THROW(ShellMinimizeAll(Machine.Shell));
  Machine.MinimizeAllFailure = "Not implemented";
  try {
    ShellMinimizeAll(Machine.Shell);
    ADD_FAILURE() << "no error";
  } catch (const EShellError& Error) {
    EXPECT_STREQ(Error.what(), "Not implemented");
  }
}

TEST(ShellUtilsTest, ShortcutsCarryAnIconOnlyWhenOneIsGiven) {
  TSimMachine Machine;
  struct TCase {
    const char* IconFile;
    int IconIndex;
    bool HasIcon;
  };
  const TCase Cases[] = {
      {"C:\\k.exe", 0, true}, {"C:\\k.exe", 3, true}, {"C:\\k.exe", -1, false}, {"", 0, false}};
  for (const auto& Case : Cases) {
    Machine.Shortcuts.clear();
    ASSERT_TRUE(CreateShortcut(Machine.Shell, "C:\\Links\\Sleep.lnk", "C:\\k.exe", "Sleep", "",
                               "/action \"Sleep\"", Case.IconFile, Case.IconIndex));
    ASSERT_EQ(Machine.Shortcuts.size(), 1u);
    const TShortcutSpec& Saved = Machine.Shortcuts[0];
    EXPECT_EQ(Saved.Target, "C:\\k.exe");
    EXPECT_EQ(Saved.Arguments, "/action \"Sleep\"");
    EXPECT_EQ(Saved.Icon.has_value(), Case.HasIcon);
    if (Case.HasIcon) {
      EXPECT_EQ(Saved.Icon->Index, Case.IconIndex);
    }
  }
  Machine.ShortcutSaves = false;
  EXPECT_FALSE(CreateShortcut(Machine.Shell, "C:\\x.lnk", "C:\\k.exe", "", "", "", "", 0));
}

}  // namespace
