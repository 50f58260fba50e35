#include "actions/uWindowUtils.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "actions/uMasks.h"
#include "platform/sim/uSimMachine.h"

namespace {

using testing::ElementsAre;

class WindowUtilsTest : public testing::Test {
 protected:
  TSimMachine Machine;
  std::uint32_t Editor = 0, Browser = 0;
  TWindowId Tool = 0, Hidden = 0, Blank = 0, Report = 0, Draft = 0, Page = 0;

  // Z-order, top first: a tool window, a hidden one, a blank title, then three ordinary ones.
  void SetUp() override {
    Editor = Machine.AddProcess("notepad.exe");
    Browser = Machine.AddProcess("browser.exe");
    Tool = Machine.AddWindow("Report palette", Editor);
    Machine.WindowList.back().ToolWindow = true;
    Hidden = Machine.AddWindow("Hidden report", Editor);
    Machine.WindowList.back().Visible = false;
    Blank = Machine.AddWindow("   ", Editor);
    Report = Machine.AddWindow("Quarterly Report - Notepad", Editor);
    Draft = Machine.AddWindow("draft - notepad", Editor);
    Page = Machine.AddWindow("News - Browser", Browser);
  }
};

TEST_F(WindowUtilsTest, ListsVisibleTitledNonToolWindowsInZOrder) {
  TWindowList List{{"stale", 1}};
  ListWindows(Machine.Windows, List);
  ASSERT_EQ(List.size(), 3u);
  EXPECT_EQ(List[0].Title, "Quarterly Report - Notepad");
  EXPECT_EQ(List[0].Window, Report);
  EXPECT_EQ(List[1].Window, Draft);
  EXPECT_EQ(List[2].Window, Page);
}

TEST_F(WindowUtilsTest, AHungWindowIsLeftOutOfTheList) {
  Machine.FindWindow(Draft)->Hung = true;
  TWindowList List;
  ListWindows(Machine.Windows, List);
  ASSERT_EQ(List.size(), 2u);
  EXPECT_EQ(List[1].Window, Page);
}

TEST_F(WindowUtilsTest, FindsWindowsByExactTitleOrByMask) {
  struct TCase {
    const char* Pattern;
    TWindowId* Expected;
  };
  TWindowId None = 0;
  const TCase Cases[] = {
      {"*notepad", &Report},  // first in Z-order among the matches
      {"*NOTEPAD", &Report},
      {"d?aft*", &Draft},
      {"*palette", &None},  // tool windows are not listed
      {"Hidden*", &None},   // nor are hidden ones
      {"*", &Report},
      {" *", &None},  // blank titles are never listed, so never matched
      {"[dq]*", &Report},
      {"[!q]*", &Draft},
      {"News - Browser", &Page},  // exact title
      {"Report palette", &Tool},  // the exact search finds any top-level window
      {"News", &None},
      {"[News] - Browser", &None},  // brackets alone keep the exact search
      {"", &None},
      {"  ", &None},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Pattern);
    EXPECT_EQ(FindWindowByTitle(Machine.Windows, Case.Pattern), *Case.Expected);
    EXPECT_EQ(WindowExists(Machine.Windows, Case.Pattern), *Case.Expected != 0);
  }
}

TEST_F(WindowUtilsTest, AMalformedMaskIsAnErrorEvenWhenNoWindowExists) {
  Machine.WindowList.clear();
  EXPECT_THROW(FindWindowByTitle(Machine.Windows, "*[notepad"), EMaskError);
  EXPECT_THROW(CloseWindowByTitle(Machine.Windows, "*[z-a]"), EMaskError);
}

TEST_F(WindowUtilsTest, CloseQuitAndKillAffectOnlyTheFirstMatch) {
  EXPECT_TRUE(CloseWindowByTitle(Machine.Windows, "*notepad"));
  EXPECT_TRUE(QuitWindowByTitle(Machine.Windows, "*notepad"));
  EXPECT_THAT(Machine.Calls, ElementsAre("PostMessageW \"Quarterly Report - Notepad\" WM_CLOSE",
                                         "PostMessageW \"draft - notepad\" WM_QUIT"));
  Machine.Calls.clear();
  EXPECT_TRUE(KillWindowByTitle(Machine.Windows, Machine.Processes, "*browser"));
  EXPECT_THAT(
      Machine.Calls,
      ElementsAre("TerminateProcess browser.exe pid=" + std::to_string(Browser) + " exit=1"));
  EXPECT_TRUE(Machine.HasProcess(Editor));
}

TEST_F(WindowUtilsTest, NoWindowNoAction) {
  EXPECT_FALSE(CloseWindowByTitle(Machine.Windows, "No such window"));
  EXPECT_FALSE(QuitWindowByTitle(Machine.Windows, ""));
  EXPECT_FALSE(KillWindowByTitle(Machine.Windows, Machine.Processes, "*nothing*"));
  EXPECT_TRUE(Machine.Calls.empty());
}

TEST_F(WindowUtilsTest, TitleMethods) {
  Machine.FindWindow(Draft)->Hung = true;
  EXPECT_EQ(GetWindowTitle(Machine.Windows, Page, 0, 0), "News - Browser");
  EXPECT_EQ(GetWindowTitle(Machine.Windows, Page, 1, 1000), "News - Browser");
  EXPECT_EQ(GetWindowTitle(Machine.Windows, Page, 2, 0), "News - Browser");
  EXPECT_EQ(GetWindowTitle(Machine.Windows, Page, 3, 0), "");
  EXPECT_EQ(GetWindowTitle(Machine.Windows, Draft, 1, 1000), "");
}

}  // namespace
