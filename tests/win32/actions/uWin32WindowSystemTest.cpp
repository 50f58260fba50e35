#include "platform/win32/uWin32WindowSystem.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "actions/uProcessLauncher.h"
#include "actions/uProcessList.h"
#include "actions/uWindowUtils.h"
#include "platform/win32/uWin32Processes.h"
#include "platform/win32/uWin32Text.h"
#include "uTestChildProcess.h"

namespace {

// A window of this test's own thread, destroyed with the object.
class TOwnWindow {
 public:
  TOwnWindow(const std::string& Title, DWORD ExtendedStyle, bool Shown) {
    static TWindowClass Class([] {
      WNDCLASSEXW Description{};
      Description.cbSize = sizeof Description;
      Description.lpfnWndProc = DefWindowProcW;
      Description.hInstance = GetModuleHandleW(nullptr);
      Description.lpszClassName = L"KolvaneActionsTestWindow";
      return Description;
    }());
    FWindow.reset(CreateWindowExW(ExtendedStyle, Class.Name(), Utf8ToWide(Title).c_str(),
                                  WS_OVERLAPPEDWINDOW, 20, 20, 200, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (Shown)
      ShowWindow(FWindow.get(), SW_SHOWNOACTIVATE);
  }
  TWindowId Id() const { return reinterpret_cast<TWindowId>(FWindow.get()); }

 private:
  TWindowHandle FWindow;
};

bool Listed(const TWindowList& List, TWindowId Window) {
  return std::any_of(List.begin(), List.end(),
                     [&](const TWindowListItem& Item) { return Item.Window == Window; });
}

class Win32WindowSystemTest : public testing::Test {
 protected:
  TWin32WindowSystem Windows;
  TWin32Processes Processes;
  std::string Tag = UniqueTag();
};

TEST_F(Win32WindowSystemTest, ListsVisibleTitledWindowsButNotToolBlankOrHiddenOnes) {
  TOwnWindow Normal("Kolvane list " + Tag + " normal", 0, true);
  TOwnWindow Tool("Kolvane list " + Tag + " tool", WS_EX_TOOLWINDOW, true);
  TOwnWindow Blank("   ", 0, true);
  TOwnWindow Hidden("Kolvane list " + Tag + " hidden", 0, false);
  TWindowList List;
  ListWindows(Windows, List);
  ASSERT_TRUE(Listed(List, Normal.Id()));
  EXPECT_FALSE(Listed(List, Tool.Id()));
  EXPECT_FALSE(Listed(List, Blank.Id()));
  EXPECT_FALSE(Listed(List, Hidden.Id()));
  for (const auto& Item : List) {
    if (Item.Window == Normal.Id()) {
      EXPECT_EQ(Item.Title, "Kolvane list " + Tag + " normal");
    }
  }
}

TEST_F(Win32WindowSystemTest, FindsAWindowExactlyAndByMask) {
  const std::string Title = "Kolvane Find " + Tag + " Target";
  TOwnWindow Target(Title, 0, true);
  TOwnWindow Tool("Kolvane Find " + Tag + " Tool", WS_EX_TOOLWINDOW, true);
  EXPECT_EQ(FindWindowByTitle(Windows, Title), Target.Id());
  EXPECT_EQ(FindWindowByTitle(Windows, "*FIND " + Tag + " target"), Target.Id());
  EXPECT_EQ(FindWindowByTitle(Windows, "Kolvane [E-G]ind " + Tag + " T?rget"), Target.Id());
  EXPECT_EQ(FindWindowByTitle(Windows, "[!K]olvane Find " + Tag + "*"), 0u);
  EXPECT_EQ(FindWindowByTitle(Windows, "Kolvane Find " + Tag), 0u);
  // The exact search sees every top-level window; masks see only listed ones.
  EXPECT_EQ(FindWindowByTitle(Windows, "Kolvane Find " + Tag + " Tool"), Tool.Id());
  EXPECT_EQ(FindWindowByTitle(Windows, "*Find " + Tag + " Tool"), 0u);
  EXPECT_TRUE(WindowExists(Windows, "*" + Tag + " Target"));
}

TEST_F(Win32WindowSystemTest, ReadsTitlesEachWayUpTo255Characters) {
  const std::string Long(300, 'x');
  TOwnWindow Window(Long, 0, true);
  for (int Method : {0, 1, 2}) {
    SCOPED_TRACE(Method);
    EXPECT_EQ(GetWindowTitle(Windows, Window.Id(), Method, 1000), std::string(255, 'x'));
  }
  EXPECT_EQ(GetWindowTitle(Windows, Window.Id(), 3, 1000), "");
}

// One child window per way of ending it; the exit code tells how the child ended.
class Win32ChildWindowTest : public Win32WindowSystemTest {
 protected:
  TTestFolder Folder;

  // Starts a child showing Title and returns a guard on it once the window is there. Each child
  // runs under a name of its own, so a child that shows no window can be told from one that
  // never started.
  std::unique_ptr<TChildGuard> StartChildWindow(const std::string& Title,
                                                const std::string& Mode = "--window") {
    const std::string Name = "kvchild-" + UniqueTag() + ".exe";
    StartProgram(Processes, CopyChildProgram(Folder, Name), "", {Mode, Title}, false);
    const TWindowId Window = WaitForShownWindow(Windows, Title, Mode == "--window");
    if (!Window) {
      ADD_FAILURE() << "no window \"" << Title << "\"; the child "
                    << (IsProcessRunning(Processes, Name) ? "runs" : "does not run");
      KillProcessesByName(Processes, Name);
      return nullptr;
    }
    return std::make_unique<TChildGuard>(Windows.WindowProcessId(Window));
  }
};

TEST_F(Win32ChildWindowTest, ClosesAnotherProcesssWindow) {
  const std::string Title = "Kolvane child " + Tag + " close";
  auto Guard = StartChildWindow(Title);
  ASSERT_TRUE(Guard && Guard->Valid());
  EXPECT_TRUE(CloseWindowByTitle(Windows, "*child " + Tag + " CLOSE"));
  EXPECT_EQ(Guard->WaitForExitCode(10000), 42);
  EXPECT_FALSE(WindowExists(Windows, Title));
}

TEST_F(Win32ChildWindowTest, QuitsAnotherProcesssWindow) {
  const std::string Title = "Kolvane child " + Tag + " quit";
  auto Guard = StartChildWindow(Title);
  ASSERT_TRUE(Guard && Guard->Valid());
  EXPECT_TRUE(QuitWindowByTitle(Windows, Title));
  EXPECT_EQ(Guard->WaitForExitCode(10000), 43);
}

TEST_F(Win32ChildWindowTest, KillsTheProcessThatOwnsAWindow) {
  const std::string Title = "Kolvane child " + Tag + " kill";
  auto Guard = StartChildWindow(Title);
  ASSERT_TRUE(Guard && Guard->Valid());
  EXPECT_TRUE(KillWindowByTitle(Windows, Processes, "Kolvane child " + Tag + " k?ll"));
  EXPECT_EQ(Guard->WaitForExitCode(10000), 1);
  EXPECT_TRUE(PollUntil([&] { return !WindowExists(Windows, Title); }, 5000));
}

TEST_F(Win32ChildWindowTest, AWindowThatDoesNotAnswerIsNotListed) {
  const std::string Title = "Kolvane child " + Tag + " hung";
  auto Guard = StartChildWindow(Title, "--hung");
  ASSERT_TRUE(Guard && Guard->Valid());
  const TWindowId Window = Windows.FindWindowByExactTitle(Title);
  // Give the child time to stop answering: it stops right after showing the window.
  PollUntil([] { return false; }, 500);
  EXPECT_EQ(GetWindowTitle(Windows, Window, 1, 300), "");
  // GetWindowTextW reads another process's title without asking the window.
  EXPECT_EQ(GetWindowTitle(Windows, Window, 2, 0), Title);
  TWindowList List;
  ListWindows(Windows, List);
  for (const auto& Item : List)
    EXPECT_NE(Item.Window, Window);
  EXPECT_FALSE(WindowExists(Windows, "*" + Tag + " hung"));
  EXPECT_TRUE(WindowExists(Windows, Title));
}

}  // namespace
