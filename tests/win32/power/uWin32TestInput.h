#pragma once

// Synthetic input and message pumping for the input and power adapter tests.

#include "platform/win32/uWindows.h"

// Runs the thread's messages until Done says so or the time is up.
template <typename TPredicate>
bool PumpUntil(TPredicate Done, DWORD TimeoutMs) {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  while (!Done()) {
    if (GetTickCount64() > Deadline)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG Message;
    while (PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&Message);
      DispatchMessageW(&Message);
    }
  }
  return true;
}

// A key that no program acts on, pressed and released.
inline void SendHarmlessKey() {
  INPUT Keys[2]{};
  for (auto& Key : Keys) {
    Key.type = INPUT_KEYBOARD;
    Key.ki.wVk = VK_F24;
  }
  Keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, Keys, sizeof(INPUT));
}

// The mouse moved by one pixel and back.
inline void SendMouseNudge() {
  INPUT Moves[2]{};
  for (auto& Move : Moves) {
    Move.type = INPUT_MOUSE;
    Move.mi.dwFlags = MOUSEEVENTF_MOVE;
  }
  Moves[0].mi.dx = 1;
  Moves[1].mi.dx = -1;
  SendInput(2, Moves, sizeof(INPUT));
}

inline bool RunningUnderWine() {
  HMODULE Ntdll = GetModuleHandleW(L"ntdll.dll");
  return Ntdll && GetProcAddress(Ntdll, "wine_get_version");
}
