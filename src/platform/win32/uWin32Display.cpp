#include "platform/win32/uWin32Display.h"

#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32Text.h"

std::optional<std::intptr_t> TWin32Display::SendSystemCommand(std::uint32_t Command,
                                                              std::intptr_t Value) {
  HWND Window = FMainWindow ? FMainWindow() : nullptr;
  if (Window && IsWindow(Window))
    return SendMessageW(Window, WM_SYSCOMMAND, Command, Value);

  // The default window procedure carries the command out; the window only has to be ours and
  // top-level.
  const HINSTANCE Instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof Class;
  Class.lpfnWndProc = DefWindowProcW;
  Class.hInstance = Instance;
  Class.lpszClassName = L"KolvaneCommandWindow";
  TWindowClass Registered(Class);
  if (!Registered.Valid())
    return std::nullopt;
  TWindowHandle Temporary(CreateWindowExW(0, Class.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr,
                                          nullptr, Instance, nullptr));
  if (!Temporary)
    return std::nullopt;
  return SendMessageW(Temporary.get(), WM_SYSCOMMAND, Command, Value);
}

void TWin32Display::NudgeMouse() {
  INPUT Input{};
  Input.type = INPUT_MOUSE;
  Input.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &Input, sizeof Input);
}

std::string TWin32Display::SystemDirectory() {
  wchar_t Buffer[MAX_PATH];
  const UINT Length = GetSystemDirectoryW(Buffer, MAX_PATH);
  if (Length == 0 || Length >= MAX_PATH)
    return {};
  return WideToUtf8(std::wstring_view(Buffer, Length));
}
