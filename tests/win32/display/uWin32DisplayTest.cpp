// The display adapter and the Monitor and Screen Saver kinds on the real system, under Wine.
// Commands that would darken the display or start a screen saver go only to a window of this
// test, which records them; the system itself is asked at most to switch the monitor on.

#include <gtest/gtest.h>

#include <vector>

#include "actions/uDisplayControl.h"
#include "app/uKindList.h"
#include "core/uKindRegistry.h"
#include "core/uStringUtils.h"
#include "platform/sim/uSimUserInterface.h"
#include "platform/win32/uWin32Display.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32Processes.h"
#include "platform/win32/uWin32SystemVersion.h"
#include "../actions/uTestChildProcess.h"

namespace {

constexpr WPARAM kScreenSave = 0xF140;
constexpr WPARAM kMonitorPower = 0xF170;

// A top-level window that takes system commands down instead of carrying them out.
class TRecordingWindow {
 public:
  struct TCommand {
    WPARAM Command;
    LPARAM Value;
  };

  TRecordingWindow() {
    WNDCLASSEXW Class{};
    Class.cbSize = sizeof Class;
    Class.lpfnWndProc = WindowProc;
    Class.hInstance = GetModuleHandleW(nullptr);
    Class.lpszClassName = L"KolvaneRecordingWindow";
    FClass = std::make_unique<TWindowClass>(Class);
    FWindow.reset(CreateWindowExW(0, Class.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                  Class.hInstance, nullptr));
    SetWindowLongPtrW(FWindow.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }

  HWND Handle() const { return FWindow.get(); }
  void Destroy() { FWindow.reset(); }

  std::vector<TCommand> Commands;
  LRESULT Answer = 0;

 private:
  static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept {
    auto Self = reinterpret_cast<TRecordingWindow*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
    if (Msg == WM_SYSCOMMAND && Self) {
      Self->Commands.push_back({WParam & 0xFFF0, LParam});
      return Self->Answer;
    }
    return DefWindowProcW(Window, Msg, WParam, LParam);
  }

  std::unique_ptr<TWindowClass> FClass;
  TWindowHandle FWindow;
};

TEST(Win32DisplayTest, CommandsGoToTheMainWindowAndReturnItsAnswer) {
  TRecordingWindow Main;
  HWND MainWindow = Main.Handle();
  TWin32Display Display([&] { return MainWindow; });
  EXPECT_EQ(Display.SendSystemCommand(kMonitorPower, 2), std::optional<std::intptr_t>(0));
  Main.Answer = 5;
  EXPECT_EQ(Display.SendSystemCommand(kScreenSave, 0), std::optional<std::intptr_t>(5));
  ASSERT_EQ(Main.Commands.size(), 2u);
  EXPECT_EQ(Main.Commands[0].Command, kMonitorPower);
  EXPECT_EQ(Main.Commands[0].Value, 2);
  EXPECT_EQ(Main.Commands[1].Command, kScreenSave);
}

TEST(Win32DisplayTest, WithoutAMainWindowATemporaryOneCarriesTheCommand) {
  TRecordingWindow Main;
  HWND MainWindow = Main.Handle();
  Main.Destroy();  // a main window that has gone counts as none
  for (TWin32Display Display : {TWin32Display(), TWin32Display([&] { return MainWindow; })}) {
    // Switching the monitor on is the one command safe to hand to the system for real.
    EXPECT_EQ(Display.SendSystemCommand(kMonitorPower, -1), std::optional<std::intptr_t>(0));
  }
}

TEST(Win32DisplayTest, TheSystemFolderIsWhereScreenSaversAreListedFrom) {
  TWin32Display Display;
  const std::string System = Display.SystemDirectory();
  ASSERT_GE(System.size(), 9u);
  EXPECT_TRUE(SameText(System.substr(System.size() - 9), "\\system32")) << System;
  std::vector<std::string> Savers;
  ListScreenSavers(Display, Savers);
  for (const auto& Saver : Savers) {
    EXPECT_TRUE(SameText(Saver.substr(0, System.size() + 1), System + "\\")) << Saver;
    EXPECT_TRUE(SameText(Saver.substr(Saver.size() - 4), ".scr")) << Saver;
  }
}

class Win32DisplayKindsTest : public testing::Test {
 protected:
  TWin32EventLoop Loop;
  TWin32SystemVersion Version;
  TWin32Processes Processes;
  TRecordingWindow Main;
  TWin32Display Display{[this] { return Main.Handle(); }};
  TSimUserInterface UserInterface;
  TKoServices Services = MakeServices();
  TKoKindRegistry Registry{Services};
  TTestFolder Folder;

  void SetUp() override { RegisterKinds(Registry); }

  TKoServices MakeServices() {
    TKoServices Made{Loop, &UserInterface, nullptr, &Version, nullptr, &Processes};
    Made.Display = &Display;
    return Made;
  }

  std::string Run(const std::string& ID, const std::string& Config) {
    auto Action = Registry.CreateAction(ID);
    Action->SetConfigText(Config);
    Action->Run();
    return Action->GetStatusText();
  }
};

TEST_F(Win32DisplayKindsTest, MonitorAndScreenSaverSendTheirCommandsAfterTheirPause) {
  const ULONGLONG Started = GetTickCount64();
  EXPECT_EQ(Run("Monitor", "ACTION=1;"), "Finished");
  EXPECT_GE(GetTickCount64() - Started, 450u) << "the input that started it must be over";
  EXPECT_EQ(Run("Monitor", "ACTION=2;"), "Finished");
  EXPECT_EQ(Run("ScreenSaver", "USECUSTOM=False;"), "Finished");
  ASSERT_EQ(Main.Commands.size(), 3u);
  EXPECT_EQ(Main.Commands[0].Value, 2);
  EXPECT_EQ(Main.Commands[1].Value, -1);
  EXPECT_EQ(Main.Commands[2].Command, kScreenSave);
  Main.Answer = 1;
  EXPECT_EQ(Run("ScreenSaver", ""), "Error");
}

TEST_F(Win32DisplayKindsTest, CustomScreenSaverRunsTheFileInScreenSaverMode) {
  // The child program stands in for a screen saver: any program file runs, whatever its name.
  const std::string Saver = CopyChildProgram(Folder, "kv saver.scr");
  EXPECT_EQ(Run("ScreenSaver", "USECUSTOM=True;CUSTOMPATH=" + Saver + ";"), "Finished");
  const std::string Missing = Folder.Path("missing.scr");
  EXPECT_EQ(Run("ScreenSaver", "USECUSTOM=True;CUSTOMPATH=" + Missing + ";"),
            "Error: Failed to execute " + Missing + " /S : 2");
  EXPECT_TRUE(Main.Commands.empty());
}

}  // namespace
