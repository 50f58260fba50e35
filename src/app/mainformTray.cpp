#include "app/mainformParts.h"

#include <windowsx.h>

#include "actions/uPlannerQuickActions.h"
#include "app/uAppStrings.h"

using namespace mainform_parts;

void TForm_Main::ShowTrayMenu(POINT At) {
  HWND Window = FWindow.get();
  const TMenuHandle Resource(LoadMenuW(FInstance, MAKEINTRESOURCEW(IDR_TRAYMENU)));
  HMENU Menu = GetSubMenu(Resource.get(), 0);
  SetMenuText(Menu, CMD_START, tform_main::action_start);
  SetMenuText(Menu, CMD_STOP, tform_main::action_stop);
  SetMenuText(Menu, CMD_NOW, tform_main::action_now);
  SetMenuText(Menu, CMD_TRAY_OPTIONS, tform_main::mi_trayoptions);
  SetMenuText(Menu, CMD_TRAY_ABOUT, tform_main::mi_about);
  SetMenuText(Menu, CMD_EXIT, tform_main::action_exit);
  SetMenuText(Menu, CMD_RESTORE_HIDE,
              IsWindowVisible(Window) ? mainform::swindowhide : mainform::swindowrestore);
  // Start while idle, Stop while running.
  DeleteMenu(Menu, FRunning ? CMD_START : CMD_STOP, MF_BYCOMMAND);
  SetMenuDefaultItem(Menu, FRunning ? CMD_STOP : CMD_START, FALSE);
  HMENU Actions = GetSubMenu(Menu, 2);
  SetSubMenuText(Menu, 2, tform_main::mi_trayactions);
  DeleteMenu(Actions, 0, MF_BYPOSITION);
  const auto& Quick = FContext.QuickActions.QuickActions();
  for (std::size_t I = 0; I < Quick.size(); ++I)
    AppendMenuW(Actions, MF_STRING, CMD_QUICK_FIRST + I, Utf8ToWide(Quick[I]->GetName()).c_str());
  SetForegroundWindow(Window);
  const UINT Align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  const UINT Chosen =
      TrackPopupMenuEx(Menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | Align, At.x, At.y, Window, nullptr);
  if (Chosen)
    Command(Chosen);
}

void TForm_Main::HandleTrayMessage(UINT Event, WPARAM WParam) {
  HWND Window = FWindow.get();
  switch (Event) {
    case WM_LBUTTONDBLCLK:
      // Showing the hidden window passes the protection check first.
      SetWindowHidden(IsWindowVisible(Window) != FALSE);
      break;
    case NIN_SELECT:
    case NIN_KEYSELECT:
      if (IsWindowVisible(Window))
        SetForegroundWindow(Window);
      break;
    case WM_CONTEXTMENU:
      if (CheckProtection && !CheckProtection())
        break;
      ShowTrayMenu({GET_X_LPARAM(WParam), GET_Y_LPARAM(WParam)});
      break;
  }
}

void TForm_Main::ShowAndBringToFront() {
  HWND Window = FWindow.get();
  if (!Window)
    return;
  if (IsWindowVisible(Window) && !IsIconic(Window)) {
    SetForegroundWindow(Window);
    return;
  }
  SetWindowHidden(false);
}

void TForm_Main::SetWindowHidden(bool Hidden) {
  HWND Window = FWindow.get();
  if (Hidden) {
    ShowWindow(Window, SW_HIDE);
    return;
  }
  if (!IsWindowVisible(Window) && CheckProtection && !CheckProtection())
    return;
  ShowWindow(Window, FMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  SetForegroundWindow(Window);
}
