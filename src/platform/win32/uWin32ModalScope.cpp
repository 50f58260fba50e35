#include "platform/win32/uWin32ModalScope.h"

TModalScope::TModalScope() {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND Window, LPARAM Disabled) -> BOOL {
        if (IsWindowVisible(Window) && IsWindowEnabled(Window)) {
          EnableWindow(Window, FALSE);
          reinterpret_cast<std::vector<HWND>*>(Disabled)->push_back(Window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&FDisabled));
}

TModalScope::~TModalScope() {
  for (HWND Window : FDisabled)
    if (IsWindow(Window))
      EnableWindow(Window, TRUE);
}
