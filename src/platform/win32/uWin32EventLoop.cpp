#include "platform/win32/uWin32EventLoop.h"

namespace {

constexpr wchar_t kTimerWindowClass[] = L"KolvaneTimerWindow";
constexpr wchar_t kMessageWindowClass[] = L"KolvaneMessageWindow";

WNDCLASSEXW WindowClass(const wchar_t* Name, WNDPROC Procedure) {
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof Class;
  Class.lpfnWndProc = Procedure;
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.lpszClassName = Name;
  return Class;
}

}  // namespace

class TWin32EventLoop::TWin32Timer : public TLoopTimer {
 public:
  TWin32Timer(TWin32EventLoop& Loop, UINT_PTR Id, std::function<void()> OnTick)
      : FLoop(Loop), FId(Id), FOnTick(std::move(OnTick)) {
    FLoop.FTimers[FId] = this;
  }
  ~TWin32Timer() override {
    Disarm();
    FLoop.FTimers.erase(FId);
  }
  void Arm(std::uint32_t IntervalMs) override {
    // SetTimer on an existing id replaces the running timer and restarts its interval.
    FArmed = SetTimer(FLoop.FTimerWindow.get(), FId, IntervalMs, nullptr) != 0;
  }
  void Disarm() override {
    if (FArmed)
      KillTimer(FLoop.FTimerWindow.get(), FId);
    FArmed = false;
  }
  void Fire() {
    // A WM_TIMER already taken from the queue may arrive after KillTimer.
    if (FArmed)
      FOnTick();
  }

 private:
  TWin32EventLoop& FLoop;
  UINT_PTR FId;
  std::function<void()> FOnTick;
  bool FArmed = false;
};

class TWin32EventLoop::TWin32MessageWindow : public TMessageWindow {
 public:
  TWin32MessageWindow(TWin32EventLoop& Loop, TWindowMessageHandler Handler)
      : FLoop(Loop), FHandler(std::move(Handler)) {
    // A plain hidden popup without parent or owner: top-level, so broadcasts reach it.
    FWindow.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kMessageWindowClass, L"", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), this));
  }
  ~TWin32MessageWindow() override {
    if (FWindow)
      SetWindowLongPtrW(FWindow.get(), GWLP_USERDATA, 0);
  }
  bool Valid() const { return FWindow != nullptr; }
  bool Post(std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam) override {
    return PostMessageW(FWindow.get(), Msg, WParam, LParam) != FALSE;
  }
  std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(FWindow.get()); }

  LRESULT HandleMessage(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TWindowMessage Message{Msg, WParam, LParam};
    try {
      FHandler(Message);
    } catch (...) {
      FLoop.ReportException(std::current_exception());
      Message.Handled = true;
    }
    return Message.Handled ? Message.Result : DefWindowProcW(Window, Msg, WParam, LParam);
  }

 private:
  TWin32EventLoop& FLoop;
  TWindowMessageHandler FHandler;
  TWindowHandle FWindow;
};

TWin32EventLoop::TWin32EventLoop()
    : FTimerClass(WindowClass(kTimerWindowClass, TimerWindowProc)),
      FMessageClass(WindowClass(kMessageWindowClass, MessageWindowProc)) {
  FTimerWindow.reset(CreateWindowExW(0, kTimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                     nullptr, GetModuleHandleW(nullptr), this));
}

TWin32EventLoop::~TWin32EventLoop() = default;

std::uint32_t TWin32EventLoop::TickCount32() {
  return GetTickCount();
}

std::uint64_t TWin32EventLoop::TickCount64() {
  return GetTickCount64();
}

TDateTime TWin32EventLoop::Now() {
  SYSTEMTIME Local;
  GetLocalTime(&Local);
  return MakeDateTime(Local.wYear, Local.wMonth, Local.wDay, Local.wHour, Local.wMinute,
                      Local.wSecond, Local.wMilliseconds);
}

std::unique_ptr<TLoopTimer> TWin32EventLoop::CreateTimer(std::function<void()> OnTick) {
  return std::make_unique<TWin32Timer>(*this, FNextTimerId++, std::move(OnTick));
}

std::unique_ptr<TMessageWindow> TWin32EventLoop::CreateMessageWindow(
    TWindowMessageHandler Handler) {
  auto Window = std::make_unique<TWin32MessageWindow>(*this, std::move(Handler));
  if (!Window->Valid())
    return nullptr;
  return Window;
}

void TWin32EventLoop::ProcessMessages() {
  MSG Message;
  while (PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE)) {
    if (Message.message == WM_QUIT) {
      // Leave the quit request for the main loop.
      PostQuitMessage(static_cast<int>(Message.wParam));
      return;
    }
    if (PreTranslateMessage && PreTranslateMessage(Message)) continue;
    TranslateMessage(&Message);
    DispatchMessageW(&Message);
  }
}

bool TWin32EventLoop::Wait(std::uint32_t Milliseconds) {
  const ULONGLONG Deadline = GetTickCount64() + Milliseconds;
  for (;;) {
    MSG Quit;
    if (PeekMessageW(&Quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return false;
    const ULONGLONG Now = GetTickCount64();
    if (Now >= Deadline) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(Deadline - Now), QS_ALLINPUT);
    ProcessMessages();
  }
}

int TWin32EventLoop::Run() {
  MSG Message;
  while (GetMessageW(&Message, nullptr, 0, 0) > 0) {
    if (PreTranslateMessage && PreTranslateMessage(Message)) continue;
    TranslateMessage(&Message);
    DispatchMessageW(&Message);
  }
  return static_cast<int>(Message.wParam);
}

void TWin32EventLoop::ReportException(std::exception_ptr Error) noexcept {
  if (!FOnException)
    return;
  try {
    FOnException(Error);
  } catch (...) {
  }
}

LRESULT CALLBACK TWin32EventLoop::TimerWindowProc(HWND Window, UINT Msg, WPARAM WParam,
                                                  LPARAM LParam) noexcept {
  if (Msg == WM_NCCREATE) {
    auto Create = reinterpret_cast<const CREATESTRUCTW*>(LParam);
    SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Create->lpCreateParams));
  } else if (Msg == WM_TIMER) {
    auto Loop = reinterpret_cast<TWin32EventLoop*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
    if (Loop) {
      if (auto It = Loop->FTimers.find(WParam); It != Loop->FTimers.end()) {
        try {
          It->second->Fire();
        } catch (...) {
          Loop->ReportException(std::current_exception());
        }
      }
      return 0;
    }
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}

LRESULT CALLBACK TWin32EventLoop::MessageWindowProc(HWND Window, UINT Msg, WPARAM WParam,
                                                    LPARAM LParam) noexcept {
  if (Msg == WM_NCCREATE) {
    auto Create = reinterpret_cast<const CREATESTRUCTW*>(LParam);
    SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Create->lpCreateParams));
    return DefWindowProcW(Window, Msg, WParam, LParam);
  }
  auto Owner = reinterpret_cast<TWin32MessageWindow*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  if (Owner)
    return Owner->HandleMessage(Window, Msg, WParam, LParam);
  return DefWindowProcW(Window, Msg, WParam, LParam);
}
