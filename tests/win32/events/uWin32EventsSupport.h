#pragma once

// The watch and ping events on the real machine under Wine: the adapters the program gives them,
// and a way to let real time pass while the GUI thread's loop runs.

#include <memory>

#include "core/uKoServices.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32PingSystem.h"
#include "platform/win32/uWin32Processes.h"
#include "platform/win32/uWin32WindowSystem.h"
#include "platform/win32/uWindows.h"

struct TWin32EventsHost {
  TWin32EventLoop Loop;
  TWin32Processes Processes;
  TWin32WindowSystem Windows;
  std::shared_ptr<TWin32PingSystem> Ping = std::make_shared<TWin32PingSystem>();
  TKoServices Services =
      WithPing({Loop, nullptr, nullptr, nullptr, nullptr, &Processes, &Windows, nullptr}, Ping);

  static TKoServices WithPing(TKoServices Services, std::shared_ptr<TPingSystem> Ping) {
    Services.Ping = std::move(Ping);
    return Services;
  }

  // Runs the loop until Done says yes or TimeoutMs have passed; false on time-out.
  template <typename TPredicate>
  bool PumpUntil(TPredicate Done, DWORD TimeoutMs) {
    const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
    while (!Done()) {
      if (GetTickCount64() > Deadline)
        return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      Loop.ProcessMessages();
    }
    return true;
  }
  void PumpFor(DWORD Milliseconds) {
    PumpUntil([] { return false; }, Milliseconds);
  }
};
