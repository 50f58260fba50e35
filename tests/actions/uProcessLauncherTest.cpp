#include "actions/uProcessLauncher.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/sim/uSimMachine.h"

namespace {

using testing::ElementsAre;

class ProcessLauncherTest : public testing::Test {
 protected:
  TSimMachine Machine;
  std::vector<TLaunchRequest> Launched;
  TLaunchResult Answer{true, 0, 0};

  void SetUp() override {
    Machine.OnLaunch = [this](const TLaunchRequest& Request) {
      Launched.push_back(Request);
      return Answer;
    };
  }
};

TEST_F(ProcessLauncherTest, ACommandLineReachesTheSystemUnchanged) {
  const std::string Command = R"("C:\My Tools\tool.exe" "my parameter" -x  'y')";
  StartCommandLine(Machine.Processes, Command, "", false);
  ASSERT_EQ(Launched.size(), 1u);
  EXPECT_EQ(Launched[0].CommandLine, Command);
}

TEST_F(ProcessLauncherTest, ProgramAndParametersAreQuotedOnlyWhereTheyNeedIt) {
  struct TCase {
    std::string Executable;
    std::vector<std::string> Parameters;
    std::string CommandLine;
  };
  const TCase Cases[] = {
      {"C:\\Tools\\tool.exe", {}, "C:\\Tools\\tool.exe"},
      {"C:\\Program Files\\Kolvane\\kolvane.exe",
       {"/preset", "Night shift"},
       "\"C:\\Program Files\\Kolvane\\kolvane.exe\" /preset \"Night shift\""},
      // A part with a quote of its own is taken as its author quoted it.
      {"tool.exe", {"say \"hi\" there"}, "tool.exe say \"hi\" there"},
      {"tool.exe", {"a\tb", ""}, "tool.exe a\tb "},
  };
  for (const auto& Case : Cases) {
    Launched.clear();
    StartProgram(Machine.Processes, Case.Executable, "", Case.Parameters, false);
    ASSERT_EQ(Launched.size(), 1u);
    EXPECT_EQ(Launched[0].CommandLine, Case.CommandLine);
  }
}

TEST_F(ProcessLauncherTest, DirectoryAndWaitReachTheLauncher) {
  StartCommandLine(Machine.Processes, "tool.exe", "D:\\Work", true);
  ASSERT_EQ(Launched.size(), 1u);
  EXPECT_EQ(Launched[0].WorkingDirectory, "D:\\Work");
  EXPECT_TRUE(Launched[0].Wait);
}

TEST_F(ProcessLauncherTest, ReturnsTheExitCodeOnlyWhenWaiting) {
  Answer = {true, 0, 7};
  EXPECT_EQ(StartCommandLine(Machine.Processes, "tool.exe", "", true), 7);
  EXPECT_EQ(StartCommandLine(Machine.Processes, "tool.exe", "", false), 0);
  Answer = {true, 0, 0xFFFFFFFFu};
  EXPECT_EQ(StartCommandLine(Machine.Processes, "tool.exe", "", true), -1);
}

TEST_F(ProcessLauncherTest, EmptyCommandsAreRefusedBeforeTheSystemSeesThem) {
  for (const char* Command : {"", "   "}) {
    try {
      StartCommandLine(Machine.Processes, Command, "", true);
      ADD_FAILURE() << "started \"" << Command << "\"";
    } catch (const EProcessLaunch& Error) {
      EXPECT_STREQ(Error.what(), "Cannot execute empty command-line");
    }
  }
  EXPECT_THROW(StartProgram(Machine.Processes, "", "", {"x"}, false), EProcessLaunch);
  EXPECT_TRUE(Launched.empty());
}

TEST_F(ProcessLauncherTest, AFailedStartNamesTheCommandAndTheSystemError) {
  Answer = {false, 2, 0};
  try {
    StartProgram(Machine.Processes, "C:\\No Such\\tool.exe", "", {"-v"}, true);
    ADD_FAILURE() << "no error";
  } catch (const EProcessLaunch& Error) {
    EXPECT_STREQ(Error.what(), "Failed to execute \"C:\\No Such\\tool.exe\" -v : 2");
  }
}

}  // namespace
