#include "platform/win32/uWin32WindowPlacement.h"

#include <algorithm>

void CentreOnOwner(HWND Window, HWND Owner) {
  RECT Bounds{};
  GetWindowRect(Window, &Bounds);
  RECT Area{};
  if (!Owner || !IsWindowVisible(Owner) || IsIconic(Owner) || !GetWindowRect(Owner, &Area))
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &Area, 0);
  const int Width = Bounds.right - Bounds.left;
  const int Height = Bounds.bottom - Bounds.top;
  int Left = Area.left + (Area.right - Area.left - Width) / 2;
  int Top = Area.top + (Area.bottom - Area.top - Height) / 2;

  const RECT Target{Left, Top, Left + Width, Top + Height};
  MONITORINFO Monitor{};
  Monitor.cbSize = sizeof Monitor;
  if (GetMonitorInfoW(MonitorFromRect(&Target, MONITOR_DEFAULTTONEAREST), &Monitor)) {
    const RECT& Work = Monitor.rcWork;
    // The top left corner wins when the window is larger than the work area.
    Left = std::max<int>(Work.left, std::min<int>(Left, Work.right - Width));
    Top = std::max<int>(Work.top, std::min<int>(Top, Work.bottom - Height));
  }
  SetWindowPos(Window, nullptr, Left, Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
