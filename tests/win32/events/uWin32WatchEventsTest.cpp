// The Window, Process, File Size and Winamp Stops events on the real machine under Wine, with
// real timers: windows of this test, a child process of this test, files in a private folder and
// a stand-in player window on a thread of this test.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "events/uEventFileSize.h"
#include "events/uEventProcess.h"
#include "events/uEventWinampStops.h"
#include "events/uEventWindow.h"
#include "events/uWinamp.h"
#include "platform/win32/uWin32Text.h"
#include "support/uTempFolder.h"
#include "uTestChildProcess.h"
#include "uWin32EventsSupport.h"

namespace {

constexpr DWORD kWaitMs = 10000;

class Win32WatchEventsTest : public testing::Test {
 protected:
  TWin32EventsHost Host;

  template <typename TKind>
  std::unique_ptr<TKind> Start(const std::string& Config) {
    auto Event = TKoEventObject::Create<TKind>(Host.Services);
    Event->SetConfigText(Config);
    Event->Start();
    return Event;
  }
  // The configuration codec writes ";" and "=" as %XX.
  static std::string Escaped(const std::string& Text) {
    std::string Result;
    for (char C : Text)
      Result += C == ';' ? "%3B" : C == '=' ? "%3D" : std::string(1, C);
    return Result;
  }
};

// A visible top-level window of this test with a title.
TWindowHandle ShowTestWindow(const std::string& Title) {
  TWindowHandle Window(CreateWindowExW(0, L"STATIC", Utf8ToWide(Title).c_str(),
                                       WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 100, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), nullptr));
  return Window;
}

TEST_F(Win32WatchEventsTest, AWindowThatAppearsAndGoesTriggersAndUntriggers) {
  const std::string Tag = "kvwatch-" + UniqueTag();
  auto Exact = Start<TKoEventWindow>("TITLE=" + Tag + " Report;INTERVAL=1;OPENS=True;");
  auto Mask = Start<TKoEventWindow>("TITLE=*" + Tag + " REPORT;INTERVAL=1;OPENS=True;");
  auto Closes = Start<TKoEventWindow>("TITLE=" + Tag + "*;INTERVAL=1;OPENS=False;");
  Host.PumpFor(1500);
  EXPECT_FALSE(Exact->Triggered());
  EXPECT_FALSE(Mask->Triggered());
  EXPECT_TRUE(Closes->Triggered());
  EXPECT_EQ(Exact->GetStatusText().rfind("Checked ", 0), 0u) << Exact->GetStatusText();

  TWindowHandle Window = ShowTestWindow(Tag + " Report");
  ASSERT_TRUE(Window);
  EXPECT_TRUE(Host.PumpUntil(
      [&] { return Exact->Triggered() && Mask->Triggered() && !Closes->Triggered(); }, kWaitMs));
  Window.reset();
  EXPECT_TRUE(Host.PumpUntil(
      [&] { return !Exact->Triggered() && !Mask->Triggered() && Closes->Triggered(); }, kWaitMs));
}

TEST_F(Win32WatchEventsTest, AChildProcessThatStartsAndEndsTriggersAndUntriggers) {
  TTestFolder Folder;
  const std::string Name = "kvwatch-" + UniqueTag() + ".exe";
  const std::string Program = CopyChildProgram(Folder, Name);
  auto Starts = Start<TKoEventProcess>("PROCESSNAME=" + Name + ";INTERVAL=1;STARTS=True;");
  auto Stops = Start<TKoEventProcess>("PROCESSNAME=" + Name + ";INTERVAL=1;STARTS=False;");
  Host.PumpFor(1500);
  EXPECT_FALSE(Starts->Triggered());
  EXPECT_TRUE(Stops->Triggered());

  std::wstring CommandLine = L"\"" + Utf8ToWide(Program) + L"\" --sleep 30000";
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  PROCESS_INFORMATION Started{};
  ASSERT_TRUE(CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &Startup, &Started));
  CloseHandle(Started.hThread);
  TKernelHandle ProcessHandle(Started.hProcess);
  TChildGuard Child(Started.dwProcessId);
  EXPECT_TRUE(Host.PumpUntil([&] { return Starts->Triggered() && !Stops->Triggered(); }, kWaitMs));

  ASSERT_TRUE(TerminateProcess(ProcessHandle.get(), 1));
  WaitForSingleObject(ProcessHandle.get(), 5000);
  EXPECT_TRUE(Host.PumpUntil([&] { return !Starts->Triggered() && Stops->Triggered(); }, kWaitMs));
}

TEST_F(Win32WatchEventsTest, AFileThatAppearsGrowsAndGoesTriggersEachKind) {
  TTempFolder Folder;
  const std::string File = Folder.Text("download.part");
  auto Created = Start<TKoEventFileSize>("FILE=" + Escaped(File) + ";WHEN=1;");
  auto Reaches = Start<TKoEventFileSize>("FILE=" + Escaped(File) + ";WHEN=0;SIZE=2;SIZETYPE=1;");
  auto Gone = Start<TKoEventFileSize>("FILE=" + Escaped(File) + ";WHEN=2;");
  auto Pattern = Start<TKoEventFileSize>("FILE=" + Escaped(Folder.Text("*.PART")) + ";WHEN=1;");
  EXPECT_TRUE(Host.PumpUntil([&] { return Gone->Triggered(); }, kWaitMs));
  EXPECT_EQ(Reaches->GetStatusText(), "File not found");

  WriteBytes(File, std::string(1024, 'x'));
  EXPECT_TRUE(Host.PumpUntil(
      [&] { return Created->Triggered() && Pattern->Triggered() && !Gone->Triggered(); }, kWaitMs));
  EXPECT_FALSE(Reaches->Triggered());
  EXPECT_EQ(Reaches->GetStatusText(), "File size: 1 KB");

  WriteBytes(File, std::string(2048, 'x'));
  EXPECT_TRUE(Host.PumpUntil([&] { return Reaches->Triggered(); }, kWaitMs));
  EXPECT_EQ(Reaches->GetStatusText(), "File size: 2 KB");

  std::filesystem::remove(Utf8ToPath(File));
  EXPECT_TRUE(Host.PumpUntil(
      [&] { return Gone->Triggered() && !Created->Triggered() && !Reaches->Triggered(); },
      kWaitMs));
}

// A player window of class "Winamp v1.x" on a thread of its own, answering the playback query
// with State, as the real player's window answers other programs.
class TStandInPlayer {
 public:
  explicit TStandInPlayer(std::atomic<int>& State) : FState(State) {
    FThread = std::thread([this] { Run(); });
    while (!FReady.load())
      Sleep(5);
  }
  ~TStandInPlayer() {
    PostThreadMessageW(FThreadId.load(), WM_QUIT, 0, 0);
    FThread.join();
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept {
    auto* Self = reinterpret_cast<TStandInPlayer*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
    if (Self && Msg == kWinampQueryMessage && WParam == 0 && LParam == kWinampIsPlaying)
      return Self->FState.load();
    return DefWindowProcW(Window, Msg, WParam, LParam);
  }
  void Run() {
    FThreadId = GetCurrentThreadId();
    WNDCLASSEXW Class{};
    Class.cbSize = sizeof Class;
    Class.lpfnWndProc = WindowProc;
    Class.hInstance = GetModuleHandleW(nullptr);
    Class.lpszClassName = L"Winamp v1.x";
    TWindowClass Registered(Class);
    TWindowHandle Window(CreateWindowExW(0, Class.lpszClassName, L"Winamp", WS_OVERLAPPEDWINDOW, 0,
                                         0, 100, 100, nullptr, nullptr, Class.hInstance, nullptr));
    SetWindowLongPtrW(Window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    MSG Message;
    PeekMessageW(&Message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from here
    FReady = true;
    while (GetMessageW(&Message, nullptr, 0, 0) > 0)
      DispatchMessageW(&Message);
  }

  std::atomic<int>& FState;
  std::atomic<DWORD> FThreadId{0};
  std::atomic<bool> FReady{false};
  std::thread FThread;
};

TEST_F(Win32WatchEventsTest, WinampStopsAsksThePlayerWindowOfAnotherThread) {
  auto Event = Start<TKoEventWinampStops>("SECONDS=1;");
  EXPECT_TRUE(Host.PumpUntil([&] { return Event->Triggered(); }, kWaitMs)) << "no player";
  std::atomic<int> State = kWinampPlaying;
  {
    TStandInPlayer Player(State);
    EXPECT_TRUE(Host.PumpUntil([&] { return !Event->Triggered(); }, kWaitMs)) << "playing";
    State = 0;
    EXPECT_TRUE(Host.PumpUntil([&] { return Event->Triggered(); }, kWaitMs)) << "stopped";
    State = kWinampPaused;
    EXPECT_TRUE(Host.PumpUntil([&] { return !Event->Triggered(); }, kWaitMs)) << "paused";
  }
  EXPECT_TRUE(Host.PumpUntil([&] { return Event->Triggered(); }, kWaitMs)) << "player closed";
  EXPECT_EQ(Event->GetStatusText().rfind("Waited for 0:00:", 0), 0u) << Event->GetStatusText();
}

TEST_F(Win32WatchEventsTest, AWindowThatDoesNotAnswerGivesNoAnswerWithinTheTimeout) {
  TTestFolder Folder;
  const std::string Program = CopyChildProgram(Folder, "kvwatch-hung.exe");
  const std::string Title = "kvwatch-hung-" + UniqueTag();
  std::wstring CommandLine =
      L"\"" + Utf8ToWide(Program) + L"\" --hung \"" + Utf8ToWide(Title) + L"\"";
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  PROCESS_INFORMATION Started{};
  ASSERT_TRUE(CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &Startup, &Started));
  CloseHandle(Started.hThread);
  CloseHandle(Started.hProcess);
  TChildGuard Child(Started.dwProcessId);
  const TWindowId Window = WaitForShownWindow(Host.Windows, Title, false);
  ASSERT_NE(Window, 0u);
  const ULONGLONG Before = GetTickCount64();
  EXPECT_EQ(Host.Windows.SendMessageTimeout(Window, kWinampQueryMessage, 0, kWinampIsPlaying, 300),
            std::nullopt);
  EXPECT_LT(GetTickCount64() - Before, 5000u);
}

}  // namespace
