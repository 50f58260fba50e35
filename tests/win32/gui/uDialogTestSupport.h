#pragma once

// Helpers for tests that drive the program's dialogs from a worker thread while the test's own
// thread sits in the dialog's modal loop.

#include <string>

#include "platform/win32/uWindows.h"

// A visible dialog of this process with that title, once it appears; null after the time.
inline HWND FindDialog(const wchar_t* Title, DWORD TimeoutMs) {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  while (GetTickCount64() < Deadline) {
    HWND Window = nullptr;
    while ((Window = FindWindowExW(nullptr, Window, L"#32770", Title)) != nullptr) {
      DWORD Owner = 0;
      GetWindowThreadProcessId(Window, &Owner);
      if (Owner == GetCurrentProcessId() && IsWindowVisible(Window))
        return Window;
    }
    Sleep(20);
  }
  return nullptr;
}

inline std::wstring TextOf(HWND Window) {
  wchar_t Buffer[512] = {};
  GetWindowTextW(Window, Buffer, 512);
  return Buffer;
}

inline void Click(HWND Dialog, int Button) {
  SendMessageW(GetDlgItem(Dialog, Button), BM_CLICK, 0, 0);
}
