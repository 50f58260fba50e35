#include "platform/win32/uWin32WindowSystem.h"

#include "platform/win32/uWin32Text.h"
#include "platform/win32/uWindows.h"

namespace {

// Titles are read into a buffer of this many characters, the last one for the terminator.
constexpr int kTitleBuffer = 256;

HWND ToHandle(TWindowId Window) {
  return reinterpret_cast<HWND>(Window);
}
TWindowId ToId(HWND Window) {
  return reinterpret_cast<TWindowId>(Window);
}

std::string TitleFromBuffer(const wchar_t* Buffer) {
  return WideToUtf8({Buffer, wcsnlen(Buffer, kTitleBuffer - 1)});
}

BOOL CALLBACK CollectWindow(HWND Window, LPARAM Collected) noexcept {
  auto& List = *reinterpret_cast<std::vector<TTopLevelWindow>*>(Collected);
  const auto ExtendedStyle = GetWindowLongPtrW(Window, GWL_EXSTYLE);
  try {
    List.push_back(
        {ToId(Window), IsWindowVisible(Window) != FALSE, (ExtendedStyle & WS_EX_TOOLWINDOW) != 0});
  } catch (...) {
    return FALSE;  // out of memory: stop here rather than unwind through user32
  }
  return TRUE;
}

}  // namespace

std::vector<TTopLevelWindow> TWin32WindowSystem::EnumTopLevelWindows() {
  std::vector<TTopLevelWindow> List;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&List));
  return List;
}

std::string TWin32WindowSystem::SendGetText(TWindowId Window) {
  wchar_t Buffer[kTitleBuffer] = {};
  SendMessageW(ToHandle(Window), WM_GETTEXT, kTitleBuffer, reinterpret_cast<LPARAM>(Buffer));
  return TitleFromBuffer(Buffer);
}

std::optional<std::string> TWin32WindowSystem::SendGetTextTimeout(TWindowId Window,
                                                                  std::uint32_t TimeoutMs) {
  wchar_t Buffer[kTitleBuffer] = {};
  DWORD_PTR Answer = 0;
  if (!SendMessageTimeoutW(ToHandle(Window), WM_GETTEXT, kTitleBuffer,
                           reinterpret_cast<LPARAM>(Buffer), SMTO_NORMAL, TimeoutMs, &Answer))
    return std::nullopt;
  return TitleFromBuffer(Buffer);
}

std::string TWin32WindowSystem::ReadWindowText(TWindowId Window) {
  wchar_t Buffer[kTitleBuffer] = {};
  GetWindowTextW(ToHandle(Window), Buffer, kTitleBuffer);
  return TitleFromBuffer(Buffer);
}

TWindowId TWin32WindowSystem::FindWindowByExactTitle(const std::string& Title) {
  return ToId(FindWindowW(nullptr, Utf8ToWide(Title).c_str()));
}

TWindowId TWin32WindowSystem::FindWindowByClass(const std::string& ClassName) {
  return ToId(FindWindowW(Utf8ToWide(ClassName).c_str(), nullptr));
}

bool TWin32WindowSystem::PostMessage(TWindowId Window, std::uint32_t Msg, std::uintptr_t WParam,
                                     std::intptr_t LParam) {
  return PostMessageW(ToHandle(Window), Msg, WParam, LParam) != FALSE;
}

std::optional<std::intptr_t> TWin32WindowSystem::SendMessageTimeout(TWindowId Window,
                                                                    std::uint32_t Msg,
                                                                    std::uintptr_t WParam,
                                                                    std::intptr_t LParam,
                                                                    std::uint32_t TimeoutMs) {
  DWORD_PTR Answer = 0;
  if (!SendMessageTimeoutW(ToHandle(Window), Msg, WParam, LParam, SMTO_NORMAL, TimeoutMs, &Answer))
    return std::nullopt;
  return static_cast<std::intptr_t>(Answer);
}

std::uint32_t TWin32WindowSystem::WindowProcessId(TWindowId Window) {
  DWORD ProcessId = 0;
  if (!GetWindowThreadProcessId(ToHandle(Window), &ProcessId))
    return 0;
  return ProcessId;
}
