#include "app/mainformParts.h"

using namespace mainform_parts;

TItemList TForm_Main::FocusedList() const {
  HWND Focus = GetFocus();
  if (Focus == FActions)
    return ilActions;
  if (Focus == FEvents)
    return ilEvents;
  return FLastFocusedList;
}

HWND TForm_Main::ListWindow(TItemList List) const {
  return List == ilEvents ? FEvents : FActions;
}

int TForm_Main::Selected(TItemList List) const {
  return ListView_GetNextItem(ListWindow(List), -1, LVNI_SELECTED);
}

void TForm_Main::Select(TItemList List, int Index) {
  HWND Window = ListWindow(List);
  ListView_SetItemState(Window, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (Index < 0)
    return;
  ListView_SetItemState(Window, Index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(Window, Index, FALSE);
}

void TForm_Main::ListCommand(TItemList List, UINT Id) {
  // The lists are read-only while the planner runs; only the export reads them.
  if (FRunning && Id != CMD_LIST_EXPORT)
    return;
  const int Index = Selected(List);
  switch (Id) {
    case CMD_LIST_ADD:
      AddItem(List, amNew);
      break;
    case CMD_LIST_ADD_ABOVE:
      AddItem(List, amAbove);
      break;
    case CMD_LIST_ADD_BELOW:
      AddItem(List, amBelow);
      break;
    case CMD_LIST_EDIT:
      EditItem(List);
      break;
    case CMD_LIST_REMOVE:
      if (Index >= 0)
        FModel.RemoveRow(List, Index);
      break;
    case CMD_LIST_REMOVE_ALL:
      FModel.RemoveAllRows(List);
      break;
    case CMD_LIST_UP:
    case CMD_LIST_DOWN:
      if (Index >= 0)
        Select(List, FModel.MoveRow(List, Index, Id == CMD_LIST_UP ? -1 : +1));
      break;
    case CMD_LIST_EXPORT:
      CopyToClipboard(FModel.ListText(List));
      break;
  }
}

void TForm_Main::AddItem(TItemList List, TAddMode Mode) {
  if (FRunning || !OnEditItem)
    return;
  const auto Row = OnEditItem(FWindow.get(), List, nullptr);
  if (!Row)
    return;
  Select(List, FModel.InsertRow(List, *Row, Mode, Selected(List)));
}

void TForm_Main::EditItem(TItemList List) {
  const int Index = Selected(List);
  if (FRunning || !OnEditItem || Index < 0)
    return;
  const TItemRow Current = FModel.Rows(List)[static_cast<std::size_t>(Index)];
  const auto Row = OnEditItem(FWindow.get(), List, &Current);
  if (!Row)
    return;
  FModel.ReplaceRow(List, Index, *Row);
  Select(List, Index);
}

void TForm_Main::HandleNotify(const NMHDR& Header) {
  if (Header.hwndFrom == FStatusBar && Header.code == NM_CLICK) {
    const auto& Mouse = reinterpret_cast<const NMMOUSE&>(Header);
    if (Mouse.dwItemSpec == 0)
      Command(FContext.Settings.WebInterfaceEnabled ? CMD_OPEN_WEB : CMD_SETTINGS_WEB);
    else if (Mouse.dwItemSpec == 1)
      Command(CMD_SETTINGS_PROTECTION);
    return;
  }
  if (Header.hwndFrom != FEvents && Header.hwndFrom != FActions)
    return;
  const TItemList List = Header.hwndFrom == FEvents ? ilEvents : ilActions;
  switch (Header.code) {
    case NM_SETFOCUS:
      FLastFocusedList = List;
      break;
    case NM_DBLCLK:
      if (FRunning)
        break;
      if (Selected(List) >= 0)
        EditItem(List);
      else
        AddItem(List, amNew);
      break;
    case NM_CLICK:
      if (!FRunning && FModel.Rows(List).empty())
        AddItem(List, amNew);
      break;
    case NM_RCLICK: {
      if (FRunning)
        break;
      POINT At;
      GetCursorPos(&At);
      ShowListMenu(List, At);
      break;
    }
  }
}

void TForm_Main::ShowListMenu(TItemList List, POINT At) {
  FLastFocusedList = List;
  const TMenuHandle Resource(LoadMenuW(FInstance, MAKEINTRESOURCEW(IDR_LISTMENU)));
  HMENU Menu = GetSubMenu(Resource.get(), 0);
  const std::pair<UINT, const TResString*> Items[] = {
      {CMD_LIST_ADD, &tform_main::mi_listadd},
      {CMD_LIST_ADD_ABOVE, &tform_main::mi_listaddabove},
      {CMD_LIST_ADD_BELOW, &tform_main::mi_listaddbelow},
      {CMD_LIST_EDIT, &tform_main::mi_listedit},
      {CMD_LIST_REMOVE, &tform_main::mi_listremove},
      {CMD_LIST_REMOVE_ALL, &tform_main::mi_listremoveall},
      {CMD_LIST_UP, &tform_main::mi_listmoveup},
      {CMD_LIST_DOWN, &tform_main::mi_listmovedown},
      {CMD_LIST_EXPORT, &tform_main::mi_listexport}};
  for (const auto& [Command, Text] : Items)
    SetMenuText(Menu, Command, *Text);
  const bool HasSelection = Selected(List) >= 0;
  const bool HasRows = !FModel.Rows(List).empty();
  for (UINT Command : {CMD_LIST_EDIT, CMD_LIST_ADD_ABOVE, CMD_LIST_ADD_BELOW, CMD_LIST_REMOVE,
                       CMD_LIST_UP, CMD_LIST_DOWN})
    EnableMenuItem(Menu, Command, MF_BYCOMMAND | (HasSelection ? MF_ENABLED : MF_GRAYED));
  for (UINT Command : {CMD_LIST_REMOVE_ALL, CMD_LIST_EXPORT})
    EnableMenuItem(Menu, Command, MF_BYCOMMAND | (HasRows ? MF_ENABLED : MF_GRAYED));
  const UINT Chosen =
      TrackPopupMenuEx(Menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, At.x, At.y, FWindow.get(), nullptr);
  if (Chosen)
    ListCommand(List, Chosen);
}
