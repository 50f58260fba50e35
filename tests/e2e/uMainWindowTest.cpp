// Starts kolvane.exe as a user would and closes it through its window.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32/uWin32Handles.h"
#include "support/uTempFolder.h"

namespace {

std::wstring ExecutableBesideThisTest(const wchar_t* Name) {
  wchar_t Path[MAX_PATH];
  DWORD Length = GetModuleFileNameW(nullptr, Path, MAX_PATH);
  std::wstring Folder(Path, Length);
  return Folder.substr(0, Folder.find_last_of(L"\\/") + 1) + Name;
}

struct TStartedProcess {
  TKernelHandle Process;
  DWORD Id = 0;
};

TStartedProcess Start(const std::wstring& Executable) {
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  PROCESS_INFORMATION Info{};
  std::wstring CommandLine = L"\"" + Executable + L"\"";
  if (!CreateProcessW(Executable.c_str(), CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &Startup, &Info))
    return {};
  CloseHandle(Info.hThread);
  return {TKernelHandle(Info.hProcess), Info.dwProcessId};
}

// The window exists a moment before it is shown, so wait for both.
HWND FindVisibleMainWindowOf(DWORD ProcessId, DWORD TimeoutMs) {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  while (GetTickCount64() < Deadline) {
    HWND Window = nullptr;
    while ((Window = FindWindowExW(nullptr, Window, L"TForm_Main", L"Kolvane")) != nullptr) {
      DWORD Owner = 0;
      GetWindowThreadProcessId(Window, &Owner);
      if (Owner == ProcessId && IsWindowVisible(Window))
        return Window;
    }
    Sleep(50);
  }
  return nullptr;
}

// The program keeps its settings and presets beside itself unless told otherwise, so each test
// runs its own copy in a folder of its own.
TEST(MainWindowTest, StartsWithItsWindowAndEndsCleanlyWhenClosed) {
  TTempFolder Folder;
  std::filesystem::copy_file(ExecutableBesideThisTest(KOLVANE_EXE_NAME),
                             Folder.Path() / KOLVANE_EXE_NAME);
  TStartedProcess Kolvane = Start((Folder.Path() / KOLVANE_EXE_NAME).wstring());
  ASSERT_TRUE(Kolvane.Process) << "could not start kolvane.exe";

  HWND Window = FindVisibleMainWindowOf(Kolvane.Id, 20000);
  if (!Window)
    TerminateProcess(Kolvane.Process.get(), 1);
  ASSERT_NE(Window, nullptr) << "no visible window titled Kolvane appeared";

  PostMessageW(Window, WM_CLOSE, 0, 0);
  DWORD Waited = WaitForSingleObject(Kolvane.Process.get(), 20000);
  if (Waited != WAIT_OBJECT_0)
    TerminateProcess(Kolvane.Process.get(), 1);
  ASSERT_EQ(Waited, WAIT_OBJECT_0) << "kolvane.exe did not end after WM_CLOSE";
  DWORD ExitCode = 1;
  GetExitCodeProcess(Kolvane.Process.get(), &ExitCode);
  EXPECT_EQ(ExitCode, 0u);

  // At exit it wrote its settings and kept the lists as the default preset.
  EXPECT_TRUE(std::filesystem::is_regular_file(Folder.Path() / "Settings.ini"));
  EXPECT_TRUE(std::filesystem::is_regular_file(Folder.Path() / "Presets" / "[default].kpr"));
  std::ifstream Log(Folder.Path() / "Migration.log");
  std::string FirstLine;
  std::getline(Log, FirstLine);
  EXPECT_EQ(FirstLine.rfind("Migration initiated at ", 0), 0u) << FirstLine;
}

}  // namespace
