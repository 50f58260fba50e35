#include "app/mainformParts.h"

#include <windowsx.h>

#include <filesystem>

#include "actions/uPlannerQuickActions.h"
#include "actions/uShellUtils.h"
#include "app/resource.h"
#include "app/uAppStrings.h"
#include "core/uFilePaths.h"
#include "core/uStrings.h"
#include "core/uWindowMessages.h"
#include "platform/win32/uWin32Clipboard.h"

using namespace mainform_parts;

namespace {

HICON LoadAppIcon(HINSTANCE Instance, int SizeMetricX, int SizeMetricY) {
  return static_cast<HICON>(LoadImageW(Instance, MAKEINTRESOURCEW(IDI_KOLVANE), IMAGE_ICON,
                                       GetSystemMetrics(SizeMetricX), GetSystemMetrics(SizeMetricY),
                                       LR_DEFAULTCOLOR));
}

TImageListHandle LoadStrip(HINSTANCE Instance, int Bitmap, int Size) {
  TImageListHandle List(ImageList_Create(Size, Size, ILC_COLOR32, 13, 0));
  auto Strip = static_cast<HBITMAP>(
      LoadImageW(Instance, MAKEINTRESOURCEW(Bitmap), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (List && Strip)
    ImageList_Add(List.get(), Strip, nullptr);
  if (Strip)
    DeleteObject(Strip);
  return List;
}

WNDCLASSEXW MainWindowClass(HINSTANCE Instance, HICON Large, HICON Small, WNDPROC Procedure) {
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof Class;
  Class.lpfnWndProc = Procedure;
  Class.hInstance = Instance;
  Class.hIcon = Large;
  Class.hIconSm = Small;
  Class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  Class.lpszClassName = kMainWindowClass;
  return Class;
}

}  // namespace

TForm_Main::TForm_Main(HINSTANCE Instance, TMainFormContext& Context)
    : FInstance(Instance),
      FContext(Context),
      FModel(Context.Planner, Context.Rows, Context.Presets, Context.Settings,
             Context.UserInterface, *this),
      FLargeIcon(LoadAppIcon(Instance, SM_CXICON, SM_CYICON)),
      FSmallIcon(LoadAppIcon(Instance, SM_CXSMICON, SM_CYSMICON)),
      FClass(MainWindowClass(Instance, FLargeIcon.get(), FSmallIcon.get(), WindowProc)) {}

bool TForm_Main::Create(bool Hidden) {
  if (!FClass.Valid())
    return false;
  INITCOMMONCONTROLSEX Controls{sizeof Controls,
                                ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&Controls);
  FSmallImages = LoadStrip(FInstance, IDB_TOOLBAR16, 16);
  FLargeImages = LoadStrip(FInstance, IDB_TOOLBAR32, 32);
  FRunningIcon.reset(ImageList_GetIcon(FSmallImages.get(), imgRunning, ILD_NORMAL));
  FAccelerators.reset(LoadAcceleratorsW(FInstance, MAKEINTRESOURCEW(IDR_MAINACCELERATORS)));

  const DWORD ExStyle = FContext.Settings.AlwaysOnTop ? WS_EX_TOPMOST : 0;
  HWND Window = CreateWindowExW(ExStyle, kMainWindowClass, kApplicationTitle, WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, kDesignedWidth, kDesignedHeight,
                                nullptr, nullptr, FInstance, this);
  if (!Window)
    return false;
  FWindow.reset(Window);
  CreateMenus();
  CreateControls();
  RestorePlacement();
  FModel.AttachToPlanner();
  if (!FContext.Settings.HideTrayIcon)
    ShowTrayIcon();
  ShowRunningState(false);
  ShowStatus(ResStr(ustrings::msg_status_ready), {});
  ShowRows();

  FContext.Loop.PreTranslateMessage = [this](MSG& Message) {
    if (FAbout.PreTranslate(Message))
      return true;
    HWND Main = FWindow.get();
    if (!Main || !FAccelerators || !IsWindowEnabled(Main))
      return false;
    if (Message.hwnd != Main && !IsChild(Main, Message.hwnd))
      return false;
    // Enter and Delete belong to the combo box and the lists only.
    if (Message.message == WM_KEYDOWN && GetFocus() == FLogic)
      return false;
    return TranslateAcceleratorW(Main, FAccelerators.get(), &Message) != 0;
  };

  if (Hidden || (CheckProtection && !CheckProtection())) {
    ShowWindow(Window, SW_HIDE);
  } else {
    ShowWindow(Window, SW_SHOWNORMAL);
    UpdateWindow(Window);
  }
  return true;
}

LRESULT CALLBACK TForm_Main::WindowProc(HWND Window, UINT Msg, WPARAM WParam,
                                        LPARAM LParam) noexcept {
  if (Msg == WM_NCCREATE) {
    auto Create = reinterpret_cast<const CREATESTRUCTW*>(LParam);
    SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Create->lpCreateParams));
    return DefWindowProcW(Window, Msg, WParam, LParam);
  }
  auto Form = reinterpret_cast<TForm_Main*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  if (!Form || !Form->FWindow)
    return DefWindowProcW(Window, Msg, WParam, LParam);
  try {
    return Form->HandleMessage(Msg, WParam, LParam);
  } catch (const std::exception& Error) {
    Form->FContext.UserInterface.MessageDialog({}, Error.what(), dkError, dbOK);
    return 0;
  } catch (...) {
    return 0;
  }
}

LRESULT TForm_Main::HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  HWND Window = FWindow.get();
  if (FTrayIcon && FTrayIcon->HandleTaskbarCreated(Msg))
    return 0;
  if (OnCustomMessage && OnCustomMessage(Msg, WParam, LParam))
    return 0;
  switch (Msg) {
    case WM_START_AFTER_PRESET:
      if (OnStartAfterPreset)
        OnStartAfterPreset();
      return 0;
    case WM_TRAY_NOTIFY:
      HandleTrayMessage(LOWORD(LParam), WParam);
      return 0;
    case WM_COMMAND:
      if (HIWORD(WParam) == CBN_SELCHANGE && LOWORD(WParam) == IDC_LOGIC) {
        FContext.Rows.SetSelectedLogic(static_cast<int>(SendMessageW(FLogic, CB_GETCURSEL, 0, 0)));
        return 0;
      }
      if (HIWORD(WParam) == STN_CLICKED && LOWORD(WParam) == IDC_ADD_EVENT_PANEL) {
        AddItem(ilEvents, amNew);
        return 0;
      }
      if (HIWORD(WParam) == STN_CLICKED && LOWORD(WParam) == IDC_ADD_ACTION_PANEL) {
        AddItem(ilActions, amNew);
        return 0;
      }
      Command(LOWORD(WParam));
      return 0;
    case WM_NOTIFY:
      HandleNotify(*reinterpret_cast<const NMHDR*>(LParam));
      return 0;
    case WM_DRAWITEM:
      if (WParam == IDC_STATUSBAR) {
        DrawStatusIcon(*reinterpret_cast<const DRAWITEMSTRUCT*>(LParam));
        return TRUE;
      }
      break;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(LParam) == FAddEventPanel ||
          reinterpret_cast<HWND>(LParam) == FAddActionPanel) {
        HDC Context = reinterpret_cast<HDC>(WParam);
        SetTextColor(Context, RGB(0, 0, 128));
        SetBkColor(Context, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_SIZE:
      if (WParam == SIZE_MINIMIZED) {
        // Minimising always goes to the tray.
        if (FTrayIcon)
          ShowWindow(Window, SW_HIDE);
        return 0;
      }
      FMaximized = WParam == SIZE_MAXIMIZED;
      Layout();
      return 0;
    case WM_GETMINMAXINFO: {
      auto Info = reinterpret_cast<MINMAXINFO*>(LParam);
      Info->ptMinTrackSize = {kDesignedWidth, kDesignedHeight};
      return 0;
    }
    case WM_TIMER:
      if (WParam == kTrayRetryTimer && FTrayIcon) {
        FTrayIcon->RetryAdd();
        if (FTrayIcon->Visible())
          KillTimer(Window, kTrayRetryTimer);
        return 0;
      }
      if (WParam == kStatusTimer) {
        FModel.Refresh();
        return 0;
      }
      break;
    case WM_SETCURSOR:
      if (FBusyCount > 0) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      if (reinterpret_cast<HWND>(WParam) == FStatusBar && OverStatusIcon()) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      if (reinterpret_cast<HWND>(WParam) == FAddEventPanel ||
          reinterpret_cast<HWND>(WParam) == FAddActionPanel) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_CLOSE:
      if (FContext.Settings.MinimizeOnCloseClick && !FTerminating && FTrayIcon) {
        SetWindowHidden(true);
        return 0;
      }
      ShutdownSteps();
      DestroyWindow(Window);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (WParam) {
        ShutdownSteps();
        if (OnEndSession)
          OnEndSession();
      }
      return 0;
    case WM_DESTROY:
      KillTimer(Window, kTrayRetryTimer);
      KillTimer(Window, kStatusTimer);
      FTrayIcon.reset();
      FContext.Loop.PreTranslateMessage = nullptr;
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
      FWindow.release();
      return DefWindowProcW(Window, Msg, WParam, LParam);
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}

void TForm_Main::Command(UINT Id) {
  if (Id >= CMD_PRESET_FIRST && Id <= CMD_PRESET_LAST) {
    const std::size_t Index = Id - CMD_PRESET_FIRST;
    if (Index < FPresetNames.size())
      FModel.LoadPreset(FPresetNames[Index]);
    SyncLogic();
    return;
  }
  if (Id >= CMD_LANGUAGE_FIRST && Id <= CMD_LANGUAGE_LAST) {
    if (const auto Position = FLanguageMenu.PositionOf(Id); Position && FContext.Languages) {
      FContext.Languages->MenuItemClicked(*Position);
      RebuildLanguageMenu();
    }
    return;
  }
  if (Id >= CMD_QUICK_FIRST && Id <= CMD_QUICK_LAST) {
    (void)FContext.QuickActions.ExecuteQuickActionByIndex(static_cast<int>(Id - CMD_QUICK_FIRST));
    return;
  }
  HWND Window = FWindow.get();
  switch (Id) {
    case CMD_START:
      if (!FRunning)
        StartPlanner();
      break;
    case CMD_STOP:
      FContext.Planner.Stop();
      break;
    case CMD_NOW:
      FContext.Planner.ExecuteNow();
      break;
    case CMD_NEW_PROJECT:
      FModel.NewProject();
      break;
    case CMD_ADD_EVENT:
      if (!FRunning)
        AddItem(ilEvents, amNew);
      break;
    case CMD_ADD_ACTION:
      if (!FRunning)
        AddItem(ilActions, amNew);
      break;
    case CMD_EXIT:
      FTerminating = true;
      SendMessageW(Window, WM_CLOSE, 0, 0);
      break;
    case CMD_SETTINGS:
    case CMD_TRAY_OPTIONS:
      if (OnOptions)
        OnOptions(Window, -1);
      break;
    case CMD_SETTINGS_GENERAL:
    case CMD_SETTINGS_ADVANCED:
    case CMD_SETTINGS_WEB:
    case CMD_SETTINGS_PROTECTION:
      if (OnOptions)
        OnOptions(Window, static_cast<int>(Id - CMD_SETTINGS_GENERAL));
      break;
    case CMD_EXPORT_PROJECT:
      CopyToClipboard(FModel.ProjectText());
      break;
    case CMD_LINKS_ACTIONS:
      FModel.CreateLinksToActions(FContext.QuickActions, FContext.Shell, FContext.ProgramFile);
      break;
    case CMD_LINKS_PRESETS:
      FModel.CreateLinksToPresets(FContext.Shell, FContext.ProgramFile);
      break;
    case CMD_OPEN_WEB:
      if (FContext.Settings.WebInterfaceEnabled)
        (void)ShellOpenWithError(FContext.Shell, FContext.UserInterface,
                                 WebInterfaceAddress(FContext.Settings));
      else
        FContext.UserInterface.MessageDialog({}, ResStr(ustrings::msg_web_interface_disabled),
                                             dkInformation, dbOK);
      break;
    case CMD_PRESET_SAVE:
      if (FModel.SavePreset())
        RebuildPresetsMenu();
      break;
    case CMD_PRESET_SAVE_AS:
      if (FModel.SavePresetAs())
        RebuildPresetsMenu();
      break;
    case CMD_PRESET_BROWSE: {
      std::error_code Ignored;
      if (std::filesystem::is_directory(Utf8ToPath(FContext.Presets.PresetsFolder()), Ignored))
        (void)ShellOpen(FContext.Shell, FContext.Presets.PresetsFolder());
      break;
    }
    case CMD_PRESET_RESCAN:
      RebuildPresetsMenu();
      break;
    case CMD_HISTORY:
      (void)ShellOpenWithError(FContext.Shell, FContext.UserInterface,
                               FContext.ProgramFolder + "History.txt");
      break;
    case CMD_COPYRIGHTS:
      (void)ShellOpenWithError(FContext.Shell, FContext.UserInterface,
                               FContext.ProgramFolder + "Copyrights.txt");
      break;
    case CMD_ABOUT:
      FAbout.Show(Window);
      break;
    case CMD_TRAY_ABOUT:
      FAbout.ShowModal(Window);
      break;
    case CMD_LOGIC_HELP:
      FContext.UserInterface.MessageDialog({}, ResStr(ustrings::txt_logic_hint), dkInformation,
                                           dbOK);
      break;
    case CMD_RESTORE_HIDE:
      SetWindowHidden(IsWindowVisible(Window) != FALSE);
      break;
    case CMD_EVENT_ADD:
      AddItem(ilEvents, amNew);
      break;
    case CMD_EVENT_REMOVE:
      ListCommand(ilEvents, CMD_LIST_REMOVE);
      break;
    case CMD_EVENT_UP:
      ListCommand(ilEvents, CMD_LIST_UP);
      break;
    case CMD_EVENT_DOWN:
      ListCommand(ilEvents, CMD_LIST_DOWN);
      break;
    case CMD_ACTION_ADD:
      AddItem(ilActions, amNew);
      break;
    case CMD_ACTION_REMOVE:
      ListCommand(ilActions, CMD_LIST_REMOVE);
      break;
    case CMD_ACTION_UP:
      ListCommand(ilActions, CMD_LIST_UP);
      break;
    case CMD_ACTION_DOWN:
      ListCommand(ilActions, CMD_LIST_DOWN);
      break;
    default:
      if (Id >= CMD_LIST_ADD && Id <= CMD_LIST_EXPORT)
        ListCommand(FocusedList(), Id);
      break;
  }
}

void TForm_Main::StartPlanner() {
  BeginBusyCursor();
  struct TBusy {
    TForm_Main& Form;
    ~TBusy() { Form.EndBusyCursor(); }
  } Busy{*this};
  FContext.Planner.Start();
}

bool TForm_Main::OverStatusIcon() const {
  POINT At;
  GetCursorPos(&At);
  ScreenToClient(FStatusBar, &At);
  // The web interface's and the protection's icons are the first two panels.
  for (int Part = 0; Part < 2; ++Part) {
    RECT Area{};
    SendMessageW(FStatusBar, SB_GETRECT, Part, reinterpret_cast<LPARAM>(&Area));
    if (PtInRect(&Area, At))
      return true;
  }
  return false;
}

void TForm_Main::BeginBusyCursor() {
  ++FBusyCount;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void TForm_Main::EndBusyCursor() {
  if (FBusyCount == 0)
    return;
  if (--FBusyCount == 0)
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

void TForm_Main::ShowTrayIcon() {
  HWND Window = FWindow.get();
  FTrayIcon =
      std::make_unique<TTrayIcon>(Window, WM_TRAY_NOTIFY, FSmallIcon.get(), kApplicationTitle);
  if (FRunning)
    FTrayIcon->SetIcon(FRunningIcon.get());
  if (!FTrayIcon->Visible())
    SetTimer(Window, kTrayRetryTimer, kTrayRetryIntervalMs, nullptr);
}

void TForm_Main::SetTrayIconVisible(bool Visible) {
  if (Visible && !FTrayIcon) {
    ShowTrayIcon();
  } else if (!Visible && FTrayIcon) {
    KillTimer(FWindow.get(), kTrayRetryTimer);
    FTrayIcon.reset();
    // Without a tray icon a hidden window could never be found again.
    if (!IsWindowVisible(FWindow.get()))
      SetWindowHidden(false);
  }
}

void TForm_Main::SetTablesFontIncreased(bool Increased) {
  TFontHandle Font = MakeListFont(Increased);
  if (!Font)
    return;
  for (HWND List : {FEvents, FActions})
    SendMessageW(List, WM_SETFONT, reinterpret_cast<WPARAM>(Font.get()), TRUE);
  // The lists use the new font before the old one goes.
  FListFont = std::move(Font);
}

void TForm_Main::SettingsChanged() {
  SetWindowPos(FWindow.get(), FContext.Settings.AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
               0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  InvalidateRect(FStatusBar, nullptr, TRUE);
}

void TForm_Main::RebuildLanguageMenu() {
  if (FContext.Languages)
    FLanguageMenu.Fill(GetSubMenu(FMenu, 3), FContext.Languages->BuildMenu(), CMD_LANGUAGE_FIRST);
}

void TForm_Main::RebuildPresetsMenu() {
  HMENU Presets = GetSubMenu(FMenu, 1);
  HMENU Load = GetSubMenu(Presets, 0);
  while (GetMenuItemCount(Load) > 0)
    DeleteMenu(Load, 0, MF_BYPOSITION);
  FPresetNames.clear();
  for (const TPresetMenuItem& Item : FModel.PresetMenu()) {
    if (FPresetNames.size() > CMD_PRESET_LAST - CMD_PRESET_FIRST)
      break;
    std::wstring Caption = Utf8ToWide(Item.Caption);
    if (Item.Shortcut > 0)
      Caption += L"\tCtrl+" + std::to_wstring(Item.Shortcut);
    AppendMenuW(Load, MF_STRING, CMD_PRESET_FIRST + FPresetNames.size(), Caption.c_str());
    FPresetNames.push_back(Item.Name);
  }
  const UINT State = FPresetNames.empty() ? MF_GRAYED : MF_ENABLED;
  EnableMenuItem(Presets, 0, MF_BYPOSITION | State);
  EnableMenuItem(Presets, CMD_PRESET_BROWSE, MF_BYCOMMAND | State);
  if (FWindow)
    DrawMenuBar(FWindow.get());
}

void TForm_Main::ShutdownSteps() {
  if (FShuttingDown)
    return;
  FShuttingDown = true;
  HWND Window = FWindow.get();
  WINDOWPLACEMENT Placement{};
  Placement.length = sizeof Placement;
  if (GetWindowPlacement(Window, &Placement)) {
    const RECT& Normal = Placement.rcNormalPosition;
    FContext.Settings.MainPosX = Normal.left;
    FContext.Settings.MainPosY = Normal.top;
    FContext.Settings.MainWidth = Normal.right - Normal.left;
    FContext.Settings.MainHeight = Normal.bottom - Normal.top;
  }
  const auto Widths = [](HWND List) {
    std::vector<int> Result;
    for (int Column = 0; Column < 3; ++Column)
      Result.push_back(ListView_GetColumnWidth(List, Column));
    return FormatColumnWidths(Result);
  };
  FContext.Settings.EventsListColumnWidths = Widths(FEvents);
  FContext.Settings.ActionsListColumnWidths = Widths(FActions);
}

void TForm_Main::CopyToClipboard(const std::string& Text) {
  (void)SetClipboardText(FWindow.get(), Utf8ToWide(Text));
}

void TForm_Main::ShowRunningState(bool Running) {
  FRunning = Running;
  HWND Window = FWindow.get();
  // The main toolbar's third button is Start while idle and Stop while running.
  TBBUTTONINFOW Info{};
  Info.cbSize = sizeof Info;
  Info.dwMask = TBIF_IMAGE | TBIF_TEXT | TBIF_COMMAND;
  std::wstring Text = Wide(Running ? tform_main::action_stop : tform_main::action_start);
  Info.iImage = Running ? imgStop : imgStart;
  Info.pszText = Text.data();
  Info.idCommand = Running ? CMD_STOP : CMD_START;
  SendMessageW(FMainToolbar, TB_SETBUTTONINFOW, Running ? CMD_START : CMD_STOP,
               reinterpret_cast<LPARAM>(&Info));
  EnableMenuItem(FMenu, CMD_START, MF_BYCOMMAND | (Running ? MF_GRAYED : MF_ENABLED));
  EnableMenuItem(FMenu, CMD_STOP, MF_BYCOMMAND | (Running ? MF_ENABLED : MF_GRAYED));
  for (HWND Control : {FEventsToolbar, FActionsToolbar, FLogic, FLogicHelp})
    EnableWindow(Control, !Running);
  if (FTrayIcon)
    FTrayIcon->SetIcon(Running ? FRunningIcon.get() : FSmallIcon.get());
  if (Running)
    SetTimer(Window, kStatusTimer, 1000, nullptr);
  else
    KillTimer(Window, kStatusTimer);
}

void TForm_Main::ShowStatus(const std::string& Text, const std::string& TrayHint) {
  SendMessageW(FStatusBar, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(Utf8ToWide(Text).c_str()));
  if (FTrayIcon)
    FTrayIcon->SetHint(Utf8ToWide(TrayHint.empty() ? Text : TrayHint));
}

void TForm_Main::ShowBalloon(const std::string& Title, const std::string& Text) {
  if (FTrayIcon)
    FTrayIcon->ShowBalloon(Utf8ToWide(Title), Utf8ToWide(Text), NIIF_INFO);
}

void TForm_Main::CloseWindow() {
  PostMessageW(FWindow.get(), WM_CLOSE, 0, 0);
}
