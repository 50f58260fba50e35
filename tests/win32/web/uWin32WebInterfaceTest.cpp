// The web interface inside a Windows process, with the Windows adapters and the templates the
// build installs beside the program, reached by a plain Winsock client; its requests arrive as
// messages posted to a window of the test.
#include "uWinsockClient.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "actions/uPlannerQuickActions.h"
#include "app/uSettings.h"
#include "core/uFilePaths.h"
#include "events/uCPUUsageData.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32ImageEncoder.h"
#include "platform/win32/uWin32MessagePoster.h"
#include "platform/win32/uWin32PerformanceData.h"
#include "platform/win32/uWin32Processes.h"
#include "platform/win32/uWin32ScreenCapture.h"
#include "platform/win32/uWin32SystemInformation.h"
#include "platform/win32/uWin32SystemVersion.h"
#include "platform/win32/uWin32Text.h"
#include "web/uWebCommands.h"
#include "web/uWebInterface.h"

namespace {

struct TAnswer {
  std::string Head;
  std::string Body;
};

TAnswer Request(std::uint16_t Port, const std::string& Target) {
  const std::string Raw = WinsockExchange(
      Port, "GET " + Target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
  const std::size_t HeadEnd = Raw.find("\r\n\r\n");
  if (HeadEnd == std::string::npos)
    return {Raw, {}};
  return {Raw.substr(0, HeadEnd + 2), Raw.substr(HeadEnd + 4)};
}

bool Contains(const std::string& Text, const std::string& Part) {
  return Text.find(Part) != std::string::npos;
}

class Win32WebInterfaceTest : public ::testing::Test {
 protected:
  Win32WebInterfaceTest() {
    Services.SystemVersion = &Version;
    Services.Processes = &Processes;
    Services.ScreenCapture = &Capture;
    Services.ImageEncoder = &Encoder;
    Services.CPUUsage = &CPUUsage;
    Services.SystemInformation = &System;
    Window = Loop.CreateMessageWindow([this](TWindowMessage& Message) {
      if (Dispatcher.HandleMessage(Message.Msg, Message.WParam, Message.LParam))
        Message.Handled = true;
    });
    WindowHandle = reinterpret_cast<HWND>(Window->Handle());
    // Where start-up looks: the program's folder and "WebInterface\Templates".
    const std::string ProgramFolder = ExtractFilePath(Processes.ExecutablePath());
    Web.SetTemplatesLocation(WebInterfaceTemplatesFolder(ProgramFolder),
                             std::string(kWebInterfaceTemplatesMask));
    Settings.WebInterfaceIP = "127.0.0.1";
    Settings.WebInterfacePort = 0;
  }

  // Lets the test's window handle what was posted to it, until Handled holds Count entries.
  void PumpUntil(std::size_t Count) {
    for (int Step = 0; Step < 100 && Handled.size() < Count; ++Step)
      Loop.Wait(20);
  }

  TWinsock Winsock;
  TWin32EventLoop Loop;
  TWin32SystemVersion Version;
  TWin32Processes Processes;
  TWin32ScreenCapture Capture;
  TWin32ImageEncoder Encoder;
  TWin32PerformanceData Performance;
  TCPUUsageData CPUUsage{Performance, Version};
  TWin32SystemInformation System;
  TKoServices Services{Loop};
  TKoQuickActions QuickActions{Services};
  TSettings Settings;
  std::vector<std::string> Handled;
  std::atomic<HWND> WindowHandle{nullptr};
  TWebInterface Web{{Services, QuickActions, [] { return std::vector<std::string>{"Evening"}; },
                     Win32MessagePoster([this] { return WindowHandle.load(); })}};
  // The main window's side; the quick action itself is not run here.
  TWebCommandDispatcher Dispatcher{
      Web.PostedTexts(),
      {[this](const std::string& ID) { Handled.push_back("action " + ID); },
       [this](const std::string& Name) { Handled.push_back("preset " + Name); },
       [this] { Handled.push_back("close"); }}};
  // Last: it hands its messages to the dispatcher until it is gone. No user interface is given,
  // so a failed start cannot stop the test in a message box.
  std::unique_ptr<TMessageWindow> Window;
};

TEST_F(Win32WebInterfaceTest, ServesItsPagesFromTheInstalledTemplates) {
  ASSERT_TRUE(Winsock.Ready());
  ASSERT_TRUE(Web.Start(Settings));
  const TAnswer Home = Request(Web.Port(), "/");
  EXPECT_EQ(Home.Head.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << Home.Head;
  EXPECT_TRUE(Contains(Home.Head, "Content-Type: text/html; charset=utf-8\r\n")) << Home.Head;
  EXPECT_TRUE(Contains(Home.Body, "<title>Kolvane Web Interface</title>")) << Home.Body;
  EXPECT_TRUE(Contains(Home.Body, "<td>Turn Off Monitor</td>"));
  EXPECT_TRUE(Contains(Home.Body, "<td>Evening</td>"));

  // The user this process runs as, and this very process among the running ones.
  wchar_t Name[256];
  DWORD Size = 256;
  ASSERT_TRUE(GetUserNameW(Name, &Size));
  const TAnswer Info = Request(Web.Port(), "/info");
  EXPECT_TRUE(Contains(Info.Body, "<th>Logged in as:</th><td>" +
                                      WideToUtf8(std::wstring_view(Name, Size - 1)) + "</td>"))
      << Info.Body;
  EXPECT_TRUE(Contains(Info.Body, "<th>System up time:</th><td>")) << Info.Body;
  const TAnswer List = Request(Web.Port(), "/processes");
  EXPECT_TRUE(Contains(List.Body, "<td>" + ExtractFileName(Processes.ExecutablePath()) + "</td>"))
      << List.Body;

  const TAnswer Icon = Request(Web.Port(), "/favicon.ico");
  EXPECT_TRUE(Contains(Icon.Head, "Content-Type: image/x-icon\r\n")) << Icon.Head;
  EXPECT_EQ(Icon.Body.substr(0, 4), std::string("\0\0\1\0", 4));
}

TEST_F(Win32WebInterfaceTest, RequestsArriveAsMessagesPostedToTheWindow) {
  ASSERT_TRUE(Winsock.Ready());
  ASSERT_TRUE(Web.Start(Settings));
  const TAnswer Action = Request(Web.Port(), "/action?id=monitoroff");
  EXPECT_TRUE(
      Contains(Action.Body, "Requested &quot;Turn Off Monitor&quot; action to be executed."))
      << Action.Body;
  EXPECT_TRUE(Contains(Request(Web.Port(), "/preset?name=Evening").Body, "Evening"));
  EXPECT_TRUE(Contains(Request(Web.Port(), "/close").Body, "Program is closing."));
  PumpUntil(3);
  EXPECT_EQ(Handled, (std::vector<std::string>{"action monitoroff", "preset Evening", "close"}));
  EXPECT_EQ(Web.PostedTexts()->InFlight(), 0u);
}

TEST_F(Win32WebInterfaceTest, RequestsToAWindowThatIsGoneLeaveNothingBehind) {
  ASSERT_TRUE(Winsock.Ready());
  ASSERT_TRUE(Web.Start(Settings));
  // The handle stays as it was, as a main window's would after it was destroyed.
  Window.reset();
  EXPECT_FALSE(IsWindow(WindowHandle.load()));
  EXPECT_TRUE(Contains(Request(Web.Port(), "/action?id=Lock").Body, "Lock Workstation"));
  EXPECT_TRUE(Contains(Request(Web.Port(), "/preset?name=Evening").Body, "Evening"));
  EXPECT_EQ(Web.PostedTexts()->InFlight(), 0u);
}

TEST_F(Win32WebInterfaceTest, ScreenshotsAreRealJpegAndPngFiles) {
  ASSERT_TRUE(Winsock.Ready());
  ASSERT_TRUE(Web.Start(Settings));
  const TAnswer Jpeg = Request(Web.Port(), "/screenshot.jpg");
  EXPECT_TRUE(Contains(Jpeg.Head, "Content-Type: image/jpeg\r\n")) << Jpeg.Head;
  EXPECT_EQ(Jpeg.Body.substr(0, 3), "\xFF\xD8\xFF");
  const TAnswer Png = Request(Web.Port(), "/screenshot");
  EXPECT_TRUE(Contains(Png.Head, "Content-Type: image/png\r\n")) << Png.Head;
  EXPECT_EQ(Png.Body.substr(0, 8), "\x89PNG\r\n\x1A\n");
}

}  // namespace
