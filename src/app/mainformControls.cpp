#include "app/mainformParts.h"

#include "core/uStrings.h"

using namespace mainform_parts;

namespace mainform_parts {

void SetMenuText(HMENU Menu, UINT Command, const TResString& Text) {
  wchar_t Old[256] = {};
  GetMenuStringW(Menu, Command, Old, 256, MF_BYCOMMAND);
  std::wstring Caption = Wide(Text);
  if (const wchar_t* Tab = wcschr(Old, L'\t'))
    Caption += Tab;
  ModifyMenuW(Menu, Command, MF_BYCOMMAND | MF_STRING, Command, Caption.c_str());
}

void SetSubMenuText(HMENU Menu, int Position, const TResString& Text) {
  MENUITEMINFOW Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = MIIM_STRING;
  std::wstring Caption = L"&" + Wide(Text);
  Info.dwTypeData = Caption.data();
  SetMenuItemInfoW(Menu, static_cast<UINT>(Position), TRUE, &Info);
}

}  // namespace mainform_parts

void TForm_Main::CreateMenus() {
  FMenu = LoadMenuW(FInstance, MAKEINTRESOURCEW(IDR_MAINMENU));
  const std::pair<UINT, const TResString*> Items[] = {
      {CMD_START, &tform_main::action_start},
      {CMD_STOP, &tform_main::action_stop},
      {CMD_NOW, &tform_main::action_now},
      {CMD_NEW_PROJECT, &tform_main::mi_newproject},
      {CMD_ADD_EVENT, &tform_main::mi_addevent},
      {CMD_ADD_ACTION, &tform_main::mi_addaction},
      {CMD_EXIT, &tform_main::action_exit},
      {CMD_SETTINGS, &tform_main::action_settings},
      {CMD_SETTINGS_GENERAL, &tform_main::action_settingsgeneral},
      {CMD_SETTINGS_ADVANCED, &tform_main::action_settingsadvanced},
      {CMD_SETTINGS_WEB, &tform_main::action_settingswebinterface},
      {CMD_SETTINGS_PROTECTION, &tform_main::action_settingsprotection},
      {CMD_EXPORT_PROJECT, &tform_main::action_exporttoclipboard},
      {CMD_LINKS_ACTIONS, &tform_main::mi_createlinkstoactions},
      {CMD_LINKS_PRESETS, &tform_main::mi_createlinkstopresets},
      {CMD_OPEN_WEB, &tform_main::action_openwebinterface},
      {CMD_PRESET_SAVE, &tform_main::mi_save},
      {CMD_PRESET_SAVE_AS, &tform_main::mi_saveas},
      {CMD_PRESET_BROWSE, &tform_main::mi_browse},
      {CMD_PRESET_RESCAN, &tform_main::mi_rescan},
      {CMD_HISTORY, &tform_main::mi_history},
      {CMD_COPYRIGHTS, &tform_main::mi_copyrights},
      {CMD_ABOUT, &tform_main::mi_about},
  };
  for (const auto& [Command, Text] : Items)
    SetMenuText(FMenu, Command, *Text);
  const TResString* Tops[] = {&tform_main::mi_file, &tform_main::mi_presets,
                              &tform_main::mi_options, &tform_main::mi_language,
                              &tform_main::mi_help};
  for (int I = 0; I < 5; ++I)
    SetSubMenuText(FMenu, I, *Tops[I]);
  SetSubMenuText(GetSubMenu(FMenu, 1), 0, tform_main::mi_load);
  SetMenu(FWindow.get(), FMenu);
  RebuildPresetsMenu();
  RebuildLanguageMenu();
}

HWND TForm_Main::CreateToolbar(int Id, bool Large,
                               const std::vector<std::pair<int, std::string>>& Buttons) {
  DWORD Style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                CCS_NORESIZE | CCS_NOPARENTALIGN;
  if (!Large)
    Style |= TBSTYLE_LIST;
  HWND Toolbar =
      CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, Style, 0, 0, 0, 0, FWindow.get(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)), FInstance, nullptr);
  SendMessageW(Toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(Toolbar, TB_SETIMAGELIST, 0,
               reinterpret_cast<LPARAM>(Large ? FLargeImages.get() : FSmallImages.get()));
  if (!Large)
    SendMessageW(Toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
  std::vector<std::wstring> Texts;
  for (const auto& [Image, Text] : Buttons)
    Texts.push_back(Utf8ToWide(Text));
  std::vector<TBBUTTON> Items;
  const int Commands[][4] = {{CMD_SETTINGS, CMD_NOW, CMD_START, 0},
                             {CMD_EVENT_ADD, CMD_EVENT_REMOVE, CMD_EVENT_UP, CMD_EVENT_DOWN},
                             {CMD_ACTION_ADD, CMD_ACTION_REMOVE, CMD_ACTION_UP, CMD_ACTION_DOWN}};
  const int Row = Id == IDC_MAIN_TOOLBAR ? 0 : Id == IDC_EVENTS_TOOLBAR ? 1 : 2;
  for (std::size_t I = 0; I < Buttons.size(); ++I) {
    TBBUTTON Button{};
    Button.iBitmap = Buttons[I].first;
    Button.idCommand = Commands[Row][I];
    Button.fsState = TBSTATE_ENABLED;
    Button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | (Large ? 0 : BTNS_SHOWTEXT);
    Button.iString = reinterpret_cast<INT_PTR>(Texts[I].c_str());
    Items.push_back(Button);
  }
  SendMessageW(Toolbar, TB_ADDBUTTONSW, Items.size(), reinterpret_cast<LPARAM>(Items.data()));
  SendMessageW(Toolbar, TB_AUTOSIZE, 0, 0);
  return Toolbar;
}

HWND TForm_Main::CreateList(int Id, const TResString& FirstColumn) {
  HWND List =
      CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                          LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                      0, 0, 0, 0, FWindow.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)),
                      FInstance, nullptr);
  ListView_SetExtendedListViewStyle(List, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  const std::pair<const TResString*, int> Columns[] = {{&FirstColumn, 100},
                                                       {&tform_main::lv_events_column_details, 200},
                                                       {&tform_main::lv_events_column_status, 170}};
  int Index = 0;
  for (const auto& [Text, Width] : Columns) {
    std::wstring Caption = Wide(*Text);
    LVCOLUMNW Column{};
    Column.mask = LVCF_TEXT | LVCF_WIDTH;
    Column.cx = Width;
    Column.pszText = Caption.data();
    ListView_InsertColumn(List, Index++, &Column);
  }
  if (FListFont)
    SendMessageW(List, WM_SETFONT, reinterpret_cast<WPARAM>(FListFont.get()), FALSE);
  return List;
}

TFontHandle TForm_Main::MakeListFont(bool Increased) const {
  NONCLIENTMETRICSW Metrics{};
  Metrics.cbSize = sizeof Metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0);
  LOGFONTW Font = Metrics.lfMessageFont;
  // One point larger, when asked for.
  if (Increased)
    Font.lfHeight = Font.lfHeight < 0 ? Font.lfHeight - 1 : Font.lfHeight + 1;
  return TFontHandle(CreateFontIndirectW(&Font));
}

void TForm_Main::CreateControls() {
  HWND Window = FWindow.get();
  NONCLIENTMETRICSW Metrics{};
  Metrics.cbSize = sizeof Metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0);
  FListFont = MakeListFont(FContext.Settings.IncreaseTablesFontSize);
  LOGFONTW PanelFont = Metrics.lfMessageFont;
  PanelFont.lfHeight = PanelFont.lfHeight * 3 / 2;
  PanelFont.lfWeight = FW_BOLD;
  FPanelFont.reset(CreateFontIndirectW(&PanelFont));

  FMainToolbar = CreateToolbar(IDC_MAIN_TOOLBAR, true,
                               {{imgSettings, ResStr(tform_main::action_settings)},
                                {imgNow, ResStr(tform_main::action_now)},
                                {imgStart, ResStr(tform_main::action_start)}});
  FEventsToolbar = CreateToolbar(IDC_EVENTS_TOOLBAR, false,
                                 {{imgAdd, ResStr(tform_main::toolbutton_eventadd)},
                                  {imgRemove, ResStr(tform_main::toolbutton_eventremove)},
                                  {imgUp, ResStr(tform_main::toolbutton_eventup)},
                                  {imgDown, ResStr(tform_main::toolbutton_eventdown)}});
  FActionsToolbar = CreateToolbar(IDC_ACTIONS_TOOLBAR, false,
                                  {{imgAdd, ResStr(tform_main::toolbutton_eventadd)},
                                   {imgRemove, ResStr(tform_main::toolbutton_eventremove)},
                                   {imgUp, ResStr(tform_main::toolbutton_eventup)},
                                   {imgDown, ResStr(tform_main::toolbutton_eventdown)}});
  FLogicHelp =
      CreateWindowExW(0, L"BUTTON", L"?", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, 0, Window,
                      reinterpret_cast<HMENU>(CMD_LOGIC_HELP), FInstance, nullptr);
  FLogic = CreateWindowExW(0, WC_COMBOBOXW, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 0, 0, 200,
                           Window, reinterpret_cast<HMENU>(IDC_LOGIC), FInstance, nullptr);
  for (int Logic = kolALL; Logic <= kol1BY1; ++Logic)
    SendMessageW(FLogic, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(Utf8ToWide(LogicName(Logic)).c_str()));
  FEvents = CreateList(IDC_EVENTS, tform_main::lv_events_column_event);
  FActions = CreateList(IDC_ACTIONS, tform_main::lv_actions_column_action);
  FAddEventPanel =
      CreateWindowExW(0, L"STATIC", Wide(tform_main::panel_addevent).c_str(),
                      WS_CHILD | SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY, 0, 0, 0, 0, Window,
                      reinterpret_cast<HMENU>(IDC_ADD_EVENT_PANEL), FInstance, nullptr);
  FAddActionPanel =
      CreateWindowExW(0, L"STATIC", Wide(tform_main::panel_addaction).c_str(),
                      WS_CHILD | SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY, 0, 0, 0, 0, Window,
                      reinterpret_cast<HMENU>(IDC_ADD_ACTION_PANEL), FInstance, nullptr);
  FStatusBar =
      CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                      0, Window, reinterpret_cast<HMENU>(IDC_STATUSBAR), FInstance, nullptr);
  const int Parts[] = {25, 50, -1};
  SendMessageW(FStatusBar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(Parts));
  SendMessageW(FStatusBar, SB_SETTEXTW, 0 | SBT_OWNERDRAW, 0);
  SendMessageW(FStatusBar, SB_SETTEXTW, 1 | SBT_OWNERDRAW, 0);

  const HFONT DialogFont = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (HWND Control : {FLogicHelp, FLogic})
    SendMessageW(Control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont), FALSE);
  for (HWND Panel : {FAddEventPanel, FAddActionPanel})
    SendMessageW(Panel, WM_SETFONT, reinterpret_cast<WPARAM>(FPanelFont.get()), FALSE);
  SyncLogic();
}

void TForm_Main::RestorePlacement() {
  HWND Window = FWindow.get();
  const TSettings& Settings = FContext.Settings;
  if (Settings.MainPosX > 0 && Settings.MainPosY > 0) {
    RECT Bounds;
    GetWindowRect(Window, &Bounds);
    const int Width = Settings.MainWidth > 0 ? Settings.MainWidth : Bounds.right - Bounds.left;
    const int Height = Settings.MainHeight > 0 ? Settings.MainHeight : Bounds.bottom - Bounds.top;
    SetWindowPos(Window, nullptr, Settings.MainPosX, Settings.MainPosY,
                 std::max(Width, kDesignedWidth), std::max(Height, kDesignedHeight),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const auto Apply = [](HWND List, const std::string& Text) {
    int Column = 0;
    for (int Width : ParseColumnWidths(Text)) {
      if (Column >= 3)
        break;
      ListView_SetColumnWidth(List, Column++, Width);
    }
  };
  Apply(FEvents, Settings.EventsListColumnWidths);
  Apply(FActions, Settings.ActionsListColumnWidths);
}

void TForm_Main::Layout() {
  HWND Window = FWindow.get();
  if (!FStatusBar)
    return;
  RECT Client;
  GetClientRect(Window, &Client);
  SendMessageW(FStatusBar, WM_SIZE, 0, 0);
  RECT Status;
  GetWindowRect(FStatusBar, &Status);
  const int StatusHeight = Status.bottom - Status.top;
  const int Width = Client.right;

  const DWORD MainSize = static_cast<DWORD>(SendMessageW(FMainToolbar, TB_GETBUTTONSIZE, 0, 0));
  const int MainHeight = HIWORD(MainSize) + 4;
  MoveWindow(FMainToolbar, 0, 0, Width, MainHeight, TRUE);
  const DWORD SmallSize = static_cast<DWORD>(SendMessageW(FEventsToolbar, TB_GETBUTTONSIZE, 0, 0));
  const int BarHeight = HIWORD(SmallSize) + 2;

  int Top = MainHeight + kGap;
  RECT ComboRect;
  GetWindowRect(FLogic, &ComboRect);
  const int ComboHeight = ComboRect.bottom - ComboRect.top;
  MoveWindow(FEventsToolbar, kGap, Top, Width - 2 * kGap - 130, BarHeight, TRUE);
  MoveWindow(FLogic, Width - kGap - 100, Top, 100, 200, TRUE);
  MoveWindow(FLogicHelp, Width - kGap - 126, Top, ComboHeight, ComboHeight, TRUE);
  Top += std::max(BarHeight, ComboHeight) + 2;

  // The lists share the height between them equally.
  const int Bottom = Client.bottom - StatusHeight - kGap;
  const int ListHeight = std::max(40, (Bottom - Top - BarHeight - 10) / 2);
  MoveWindow(FEvents, kGap, Top, Width - 2 * kGap, ListHeight, TRUE);
  const int ActionsTop = Bottom - ListHeight;
  MoveWindow(FActionsToolbar, kGap, ActionsTop - BarHeight - 2, Width - 2 * kGap, BarHeight, TRUE);
  MoveWindow(FActions, kGap, ActionsTop, Width - 2 * kGap, ListHeight, TRUE);

  // The add panels lie over their empty lists, a little below the middle.
  const auto PlacePanel = [](HWND Panel, HWND List) {
    RECT ListRect;
    GetWindowRect(List, &ListRect);
    MapWindowPoints(nullptr, GetParent(List), reinterpret_cast<POINT*>(&ListRect), 2);
    const int PanelHeight = 30;
    const int ListClient = ListRect.bottom - ListRect.top;
    SetWindowPos(Panel, HWND_TOP, ListRect.left + 2,
                 ListRect.top + (ListClient - PanelHeight) / 2 + 10,
                 ListRect.right - ListRect.left - 4, PanelHeight, SWP_NOACTIVATE);
  };
  PlacePanel(FAddEventPanel, FEvents);
  PlacePanel(FAddActionPanel, FActions);
}

void TForm_Main::DrawStatusIcon(const DRAWITEMSTRUCT& Item) {
  const bool Web = Item.itemID == 0;
  const bool Enabled =
      Web ? FContext.Settings.WebInterfaceEnabled : FContext.Settings.ProtectionEnabled;
  const RECT& Area = Item.rcItem;
  const int X = Area.left + (Area.right - Area.left - 16) / 2;
  IMAGELISTDRAWPARAMS Draw{};
  Draw.cbSize = sizeof Draw;
  Draw.himl = FSmallImages.get();
  Draw.i = Web ? imgWeb : imgProtection;
  Draw.hdcDst = Item.hDC;
  Draw.x = X;
  Draw.y = Area.top;
  Draw.rgbBk = CLR_NONE;
  Draw.fStyle = ILD_TRANSPARENT;
  Draw.fState = Enabled ? ILS_NORMAL : ILS_SATURATE;
  ImageList_DrawIndirect(&Draw);
}

void TForm_Main::SyncLogic() {
  SendMessageW(FLogic, CB_SETCURSEL, FContext.Rows.GetSelectedLogic(), 0);
}

void TForm_Main::ShowRows() {
  if (!FEvents)
    return;
  const auto Fill = [](HWND List, const std::vector<TItemRow>& Rows) {
    SendMessageW(List, WM_SETREDRAW, FALSE, 0);
    const int Existing = ListView_GetItemCount(List);
    for (int I = Existing - 1; I >= static_cast<int>(Rows.size()); --I)
      ListView_DeleteItem(List, I);
    for (std::size_t I = 0; I < Rows.size(); ++I) {
      const std::wstring Texts[] = {Utf8ToWide(Rows[I].Caption), Utf8ToWide(Rows[I].Details),
                                    Utf8ToWide(Rows[I].Status)};
      if (static_cast<int>(I) >= Existing) {
        LVITEMW Item{};
        Item.mask = LVIF_TEXT;
        Item.iItem = static_cast<int>(I);
        Item.pszText = const_cast<wchar_t*>(Texts[0].c_str());
        ListView_InsertItem(List, &Item);
      }
      for (int Column = 0; Column < 3; ++Column)
        ListView_SetItemText(List, static_cast<int>(I), Column,
                             const_cast<wchar_t*>(Texts[Column].c_str()));
    }
    SendMessageW(List, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(List, nullptr, FALSE);
  };
  Fill(FEvents, FContext.Rows.EventRows());
  Fill(FActions, FContext.Rows.ActionRows());
  ShowWindow(FAddEventPanel, FContext.Rows.EventRows().empty() ? SW_SHOWNA : SW_HIDE);
  ShowWindow(FAddActionPanel, FContext.Rows.ActionRows().empty() ? SW_SHOWNA : SW_HIDE);
  SyncLogic();
}
