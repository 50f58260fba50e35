#include "platform/win32/uWin32MessagePoster.h"

TMessagePoster Win32MessagePoster(std::function<HWND()> Window) {
  return
      [Window = std::move(Window)](std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam) {
        const HWND Target = Window();
        return Target != nullptr && PostMessageW(Target, Msg, WParam, LParam) != FALSE;
      };
}
