#include "app/uWin32DialogPlacement.h"

#include "app/uDialogPlacement.h"

namespace {

TScreenRect ScreenRectOf(const RECT& Rect) {
  return {Rect.left, Rect.top, Rect.right, Rect.bottom};
}

TScreenRect WorkAreaOf(HMONITOR Monitor) {
  MONITORINFO Info{};
  Info.cbSize = sizeof Info;
  if (!GetMonitorInfoW(Monitor, &Info)) {
    RECT Area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &Area, 0);
    return ScreenRectOf(Area);
  }
  return ScreenRectOf(Info.rcWork);
}

}  // namespace

void PlaceDialog(HWND Dialog, HWND Owner) {
  RECT Own{};
  GetWindowRect(Dialog, &Own);
  const int Width = Own.right - Own.left;
  const int Height = Own.bottom - Own.top;
  TScreenPoint Position;
  RECT OwnerRect{};
  if (Owner && IsWindowVisible(Owner) && !IsIconic(Owner) && GetWindowRect(Owner, &OwnerRect)) {
    Position = CentredOnOwner(ScreenRectOf(OwnerRect),
                              WorkAreaOf(MonitorFromWindow(Owner, MONITOR_DEFAULTTONEAREST)), Width,
                              Height);
  } else {
    Position = BottomRightOfWorkArea(
        WorkAreaOf(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)), Width, Height);
  }
  SetWindowPos(Dialog, nullptr, Position.X, Position.Y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
