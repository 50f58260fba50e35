// A child process for the adapter tests, so they never start or end anything but their own:
//   --exit N        ends with exit code N
//   --args ...      ends with the number of arguments that follow, as the system split them
//   --sleep MS      sleeps, then ends with 0
//   --window TITLE  shows a window with that title until it is closed (exit code 42) or its
//                   thread is told to quit (exit code 43)
//   --hung TITLE    shows a window with that title, then stops answering messages
//   /preset NAME    stands in for a new instance of the program: 0 when the name arrived as
//                   one argument
// Whatever it does, it ends by itself after a minute so a failed test leaves nothing behind.

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/win32/uWindows.h"

#include <shellapi.h>

namespace {

constexpr UINT kLifetimeMs = 60000;
constexpr int kClosedExitCode = 42;
constexpr int kQuitExitCode = 43;

LRESULT CALLBACK ChildWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept {
  if (Msg == WM_DESTROY) {
    PostQuitMessage(kClosedExitCode);
    return 0;
  }
  if (Msg == WM_TIMER) {
    DestroyWindow(Window);
    return 0;
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}

HWND ShowChildWindow(const wchar_t* Title) {
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof Class;
  Class.lpfnWndProc = ChildWindowProc;
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.lpszClassName = L"KolvaneTestChildWindow";
  RegisterClassExW(&Class);
  HWND Window = CreateWindowExW(0, Class.lpszClassName, Title, WS_OVERLAPPEDWINDOW, 10, 10, 300,
                                200, nullptr, nullptr, Class.hInstance, nullptr);
  if (Window)
    ShowWindow(Window, SW_SHOWNORMAL);
  return Window;
}

int ShowWindowUntilClosed(const wchar_t* Title) {
  HWND Window = ShowChildWindow(Title);
  if (!Window)
    return 2;
  SetTimer(Window, 1, kLifetimeMs, nullptr);
  MSG Message{};
  while (GetMessageW(&Message, nullptr, 0, 0) > 0) {
    TranslateMessage(&Message);
    DispatchMessageW(&Message);
  }
  // A quit that arrived while the window still stands was posted to us, not caused by closing.
  return IsWindow(Window) ? kQuitExitCode : static_cast<int>(Message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int Count = 0;
  LPWSTR* Arguments = CommandLineToArgvW(GetCommandLineW(), &Count);
  if (!Arguments || Count < 2)
    return 1;
  const std::wstring Mode = Arguments[1];
  int Result = 1;
  if (Mode == L"--exit" && Count > 2) {
    Result = _wtoi(Arguments[2]);
  } else if (Mode == L"--args") {
    Result = Count - 2;
  } else if (Mode == L"--sleep" && Count > 2) {
    Sleep(static_cast<DWORD>(std::min(_wtoi(Arguments[2]), static_cast<int>(kLifetimeMs))));
    Result = 0;
  } else if (Mode == L"--hung" && Count > 2) {
    if (ShowChildWindow(Arguments[2]))
      Sleep(kLifetimeMs);
    Result = 0;
  } else if (Mode == L"/preset") {
    Result = Count == 3 ? 0 : 1;
  } else if (Mode == L"--window" && Count > 2) {
    Result = ShowWindowUntilClosed(Arguments[2]);
  }
  LocalFree(Arguments);
  return Result;
}
