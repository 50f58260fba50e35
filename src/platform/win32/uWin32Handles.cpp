#include "platform/win32/uWin32Handles.h"

TWindowClass::TWindowClass(const WNDCLASSEXW& Class)
    : FName(Class.lpszClassName), FInstance(Class.hInstance) {
  if (RegisterClassExW(&Class)) {
    FOwned = true;
    FValid = true;
  } else {
    FValid = GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }
}

TWindowClass::~TWindowClass() {
  if (FOwned)
    UnregisterClassW(FName, FInstance);
}
