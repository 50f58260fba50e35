#include "platform/win32/uWin32InstanceChannel.h"

#include "platform/win32/uWin32Text.h"

namespace {

constexpr wchar_t kChannelWindowClass[] = L"KolvaneInstanceChannel";
// Marks our own WM_COPYDATA among whatever else a window might receive.
constexpr ULONG_PTR kChannelMessage = 0x4B4F4C56;  // "KOLV"
// The holder may have claimed the name a moment ago and not made its window yet.
constexpr DWORD kFindWindowPatienceMs = 2000;
constexpr UINT kSendTimeoutMs = 5000;

WNDCLASSEXW ChannelClass(WNDPROC Procedure) {
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof Class;
  Class.lpfnWndProc = Procedure;
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.lpszClassName = kChannelWindowClass;
  return Class;
}

// Mutex names may not contain backslashes; channel names use slashes.
std::wstring MutexName(const std::string& Name) {
  return Utf8ToWide("Local\\" + Name);
}

}  // namespace

TWin32InstanceChannel::TWin32InstanceChannel() : FClass(ChannelClass(WindowProc)) {}

TWin32InstanceChannel::~TWin32InstanceChannel() {
  if (FWindow)
    SetWindowLongPtrW(FWindow.get(), GWLP_USERDATA, 0);
}

bool TWin32InstanceChannel::Claim(const std::string& Name, TMessageHandler OnMessage) {
  TKernelHandle Mutex(CreateMutexW(nullptr, FALSE, MutexName(Name).c_str()));
  if (!Mutex || GetLastError() == ERROR_ALREADY_EXISTS)
    return false;
  FMutex = std::move(Mutex);
  FOnMessage = std::move(OnMessage);
  FWindow.reset(CreateWindowExW(0, kChannelWindowClass, Utf8ToWide(Name).c_str(), 0, 0, 0, 0, 0,
                                HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), this));
  return true;
}

bool TWin32InstanceChannel::Send(const std::string& Name, const std::string& Text) {
  // Nobody holds the name: no need to wait for a window.
  if (!TKernelHandle(OpenMutexW(SYNCHRONIZE, FALSE, MutexName(Name).c_str())))
    return false;
  const std::wstring Title = Utf8ToWide(Name);
  const ULONGLONG Deadline = GetTickCount64() + kFindWindowPatienceMs;
  HWND Holder = nullptr;
  while (!(Holder = FindWindowExW(HWND_MESSAGE, nullptr, kChannelWindowClass, Title.c_str()))) {
    if (GetTickCount64() >= Deadline)
      return false;
    Sleep(50);
  }
  COPYDATASTRUCT Data{kChannelMessage, static_cast<DWORD>(Text.size()),
                      const_cast<char*>(Text.data())};
  DWORD_PTR Answer = 0;
  return SendMessageTimeoutW(Holder, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&Data),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &Answer) != 0 &&
         Answer == TRUE;
}

LRESULT CALLBACK TWin32InstanceChannel::WindowProc(HWND Window, UINT Msg, WPARAM WParam,
                                                   LPARAM LParam) noexcept {
  if (Msg == WM_NCCREATE) {
    auto Create = reinterpret_cast<const CREATESTRUCTW*>(LParam);
    SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Create->lpCreateParams));
  } else if (Msg == WM_COPYDATA) {
    auto Channel =
        reinterpret_cast<TWin32InstanceChannel*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
    auto Data = reinterpret_cast<const COPYDATASTRUCT*>(LParam);
    if (!Channel || !Data || Data->dwData != kChannelMessage)
      return FALSE;
    try {
      if (Channel->FOnMessage)
        Channel->FOnMessage(std::string(static_cast<const char*>(Data->lpData), Data->cbData));
    } catch (...) {
      // The sender only learns that the message arrived.
    }
    return TRUE;
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}
