// The hook library behind the "Injection Hook" way of measuring inactivity. It watches the whole
// session's keyboard and mouse with low-level hooks on a thread of its own, so the measurement
// goes on whatever the program's GUI thread is doing, and keeps the time of the last input seen.
// Several measurements may run at once: the watching thread lives while any of them does.

#include <atomic>
#include <cstdint>
#include <optional>
#include <type_traits>

#include "idlehook/uIdleHookExports.h"
#include "idlehook/uIdleTime.h"
#include "platform/win32/uWindows.h"

// winbase.h keeps a Win16 macro of this name.
#undef GetCurrentTime

extern "C" {
__declspec(dllexport) void WINAPI StartHook();
__declspec(dllexport) void WINAPI StopHook();
__declspec(dllexport) DWORD WINAPI GetCurrentTime();
__declspec(dllexport) DWORD WINAPI GetElapsedTime();
__declspec(dllexport) DWORD WINAPI GetElapsedTimeEx(DWORD StartTime);
}

static_assert(std::is_same_v<decltype(&StartHook), TStartHookFunction>);
static_assert(std::is_same_v<decltype(&StopHook), TStopHookFunction>);
static_assert(std::is_same_v<decltype(&GetCurrentTime), TGetCurrentTimeFunction>);
static_assert(std::is_same_v<decltype(&GetElapsedTime), TGetElapsedTimeFunction>);
static_assert(std::is_same_v<decltype(&GetElapsedTimeEx), TGetElapsedTimeExFunction>);

namespace {

// How long StopHook waits for the watching thread to end.
constexpr DWORD kStopTimeoutMs = 5000;

SRWLOCK Lock = SRWLOCK_INIT;  // guards the fields below
int Users = 0;
HANDLE WatchThread = nullptr;
DWORD WatchThreadId = 0;
// The clock's value at the first start, for GetElapsedTime when no input was seen yet.
DWORD FirstStart = 0;
bool Started = false;

// The tick of the last input seen, with bit 32 set once there was one: one word, so a reader
// never pairs a new flag with an old time.
std::atomic<std::uint64_t> LastInput = 0;
constexpr std::uint64_t kInputSeen = std::uint64_t{1} << 32;

LRESULT CALLBACK InputProc(int Code, WPARAM WParam, LPARAM LParam) {
  if (Code >= 0) {
    LastInput.store(kInputSeen | GetTickCount());
  }
  return CallNextHookEx(nullptr, Code, WParam, LParam);
}

struct TWatchStart {
  HMODULE Module = nullptr;
  HANDLE Ready = nullptr;
};

DWORD WINAPI WatchInput(void* Parameter) {
  auto* Start = static_cast<TWatchStart*>(Parameter);
  HMODULE Module = Start->Module;
  // Low-level hooks are called through this thread's message queue, so it has one and pumps it.
  MSG Message;
  PeekMessageW(&Message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  HHOOK Keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, InputProc, Module, 0);
  HHOOK Mouse = SetWindowsHookExW(WH_MOUSE_LL, InputProc, Module, 0);
  SetEvent(Start->Ready);
  while (GetMessageW(&Message, nullptr, 0, 0) > 0) {
    TranslateMessage(&Message);
    DispatchMessageW(&Message);
  }
  if (Mouse)
    UnhookWindowsHookEx(Mouse);
  if (Keyboard)
    UnhookWindowsHookEx(Keyboard);
  // The thread holds its own reference to the library, so the program may unload it at any
  // moment without pulling the code from under this thread.
  FreeLibraryAndExitThread(Module, 0);
}

bool StartWatching() {
  TWatchStart Start;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                          reinterpret_cast<LPCWSTR>(&WatchInput), &Start.Module))
    return false;
  Start.Ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (Start.Ready)
    WatchThread = CreateThread(nullptr, 0, WatchInput, &Start, 0, &WatchThreadId);
  if (!WatchThread) {
    if (Start.Ready)
      CloseHandle(Start.Ready);
    FreeLibrary(Start.Module);
    return false;
  }
  // Until the thread has its queue, the quit message of StopHook could not reach it.
  WaitForSingleObject(Start.Ready, INFINITE);
  CloseHandle(Start.Ready);
  return true;
}

void StopWatching() {
  PostThreadMessageW(WatchThreadId, WM_QUIT, 0, 0);
  WaitForSingleObject(WatchThread, kStopTimeoutMs);
  CloseHandle(WatchThread);
  WatchThread = nullptr;
  WatchThreadId = 0;
}

// Read the last input before the clock, so that an input arriving meanwhile is never later than
// the reading's own time.
std::optional<std::uint32_t> ReadLastInput() {
  const std::uint64_t Input = LastInput.load();
  if (!(Input & kInputSeen))
    return std::nullopt;
  return static_cast<std::uint32_t>(Input);
}

}  // namespace

void WINAPI StartHook() {
  AcquireSRWLockExclusive(&Lock);
  if (!Started) {
    FirstStart = GetTickCount();
    Started = true;
  }
  if (Users == 0 && !StartWatching()) {
    ReleaseSRWLockExclusive(&Lock);
    return;
  }
  ++Users;
  ReleaseSRWLockExclusive(&Lock);
}

void WINAPI StopHook() {
  AcquireSRWLockExclusive(&Lock);
  if (Users > 0 && --Users == 0)
    StopWatching();
  ReleaseSRWLockExclusive(&Lock);
}

DWORD WINAPI GetCurrentTime() {
  return GetTickCount();
}

DWORD WINAPI GetElapsedTime() {
  const auto Input = ReadLastInput();
  AcquireSRWLockShared(&Lock);
  const DWORD Since = FirstStart;
  ReleaseSRWLockShared(&Lock);
  return IdleMilliseconds(GetTickCount(), Since, Input);
}

DWORD WINAPI GetElapsedTimeEx(DWORD StartTime) {
  const auto Input = ReadLastInput();
  return IdleMilliseconds(GetTickCount(), StartTime, Input);
}
