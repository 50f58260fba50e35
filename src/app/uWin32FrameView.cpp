#include "app/uWin32FrameView.h"

#include <commctrl.h>

#include <chrono>

#include "app/uItemEditorStrings.h"
#include "core/uKoException.h"
#include "platform/win32/uWin32Text.h"

namespace {

// Memos keep line breaks as LF; the edit control shows CR LF.
std::string ToControlBreaks(const std::string& Text) {
  std::string Converted;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] == '\n' && (I == 0 || Text[I - 1] != '\r'))
      Converted += '\r';
    Converted += Text[I];
  }
  return Converted;
}

std::string FromControlBreaks(const std::string& Text) {
  std::string Converted;
  for (std::size_t I = 0; I < Text.size(); ++I)
    if (!(Text[I] == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n'))
      Converted += Text[I];
  return Converted;
}

SYSTEMTIME ToSystemTime(TDateTime Date) {
  using namespace std::chrono;
  const year_month_day Day{floor<days>(Date)};
  SYSTEMTIME Time{};
  Time.wYear = static_cast<WORD>(static_cast<int>(Day.year()));
  Time.wMonth = static_cast<WORD>(static_cast<unsigned>(Day.month()));
  Time.wDay = static_cast<WORD>(static_cast<unsigned>(Day.day()));
  return Time;
}

TDateTime FromSystemTime(const SYSTEMTIME& Time) {
  return MakeDateTime(Time.wYear, Time.wMonth, Time.wDay);
}

bool HasStyle(HWND Window, LONG_PTR Style) {
  return (GetWindowLongPtrW(Window, GWL_STYLE) & Style) != 0;
}

}  // namespace

TWin32FrameView::TWin32FrameView(TConfigFrame& Frame, HWND Parent) : FFrame(Frame) {
  CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(Frame.TemplateId()), Parent,
                     DialogProc, reinterpret_cast<LPARAM>(this));
  if (!FWindow)
    throw EKoException(ResStr(itemsform::swindowfailed));
  FFrame.OnControlChanged = [this](TFrameControl& Control) { Draw(Control); };
  ShowWindow(FWindow, SW_SHOWNA);
}

TWin32FrameView::~TWin32FrameView() {
  FFrame.OnControlChanged = nullptr;
  for (const auto& [Edit, Previous] : FEditProcs)
    SetWindowLongPtrW(Edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Previous));
  DestroyWindow(FWindow);
}

void TWin32FrameView::SetBounds(const RECT& Bounds) {
  SetWindowPos(FWindow, nullptr, Bounds.left, Bounds.top, Bounds.right - Bounds.left,
               Bounds.bottom - Bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWin32FrameView::CommitEdits() {
  FFrame.CommitEdits();
}

INT_PTR CALLBACK TWin32FrameView::DialogProc(HWND Window, UINT Msg, WPARAM WParam,
                                             LPARAM LParam) noexcept {
  if (Msg == WM_INITDIALOG) {
    SetWindowLongPtrW(Window, DWLP_USER, LParam);
    reinterpret_cast<TWin32FrameView*>(LParam)->FWindow = Window;
  }
  auto View = reinterpret_cast<TWin32FrameView*>(GetWindowLongPtrW(Window, DWLP_USER));
  if (!View)
    return FALSE;
  try {
    return View->HandleMessage(Msg, WParam, LParam);
  } catch (const std::exception& Error) {
    // What a frame lets escape is shown as the program shows every error, and the frame stays.
    MessageBoxW(GetAncestor(Window, GA_ROOT), Utf8ToWide(Error.what()).c_str(), nullptr,
                MB_OK | MB_ICONERROR);
  } catch (...) {
  }
  return TRUE;
}

LRESULT CALLBACK TWin32FrameView::EditProc(HWND Window, UINT Msg, WPARAM WParam,
                                           LPARAM LParam) noexcept {
  auto View = reinterpret_cast<TWin32FrameView*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  const auto Found = View->FEditProcs.find(Window);
  if (Found == View->FEditProcs.end())
    return DefWindowProcW(Window, Msg, WParam, LParam);
  const WNDPROC Previous = Found->second;
  if (Msg == WM_CHAR) {
    auto Edit = dynamic_cast<TEditControl*>(View->FFrame.FindControl(GetDlgCtrlID(Window)));
    if (Edit && Edit->Options().Multiline && WParam == 1) {  // Ctrl+A
      SendMessageW(Window, EM_SETSEL, 0, -1);
      return 0;
    }
    if (Edit && !Edit->AcceptsChar(static_cast<char32_t>(WParam)))
      return 0;
  }
  return CallWindowProcW(Previous, Window, Msg, WParam, LParam);
}

INT_PTR TWin32FrameView::HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_INITDIALOG:
      SetUp();
      return FALSE;
    case WM_COMMAND:
      Command(LOWORD(WParam), HIWORD(WParam), reinterpret_cast<HWND>(LParam));
      return TRUE;
    case WM_NOTIFY:
      return Notify(*reinterpret_cast<const NMHDR*>(LParam), LParam);
    case WM_CTLCOLORSTATIC: {
      auto Label = dynamic_cast<TLabelControl*>(
          FFrame.FindControl(GetDlgCtrlID(reinterpret_cast<HWND>(LParam))));
      if (!Label || !Label->Highlighted())
        return FALSE;
      const HDC Canvas = reinterpret_cast<HDC>(WParam);
      SetTextColor(Canvas, RGB(255, 0, 0));
      SetBkColor(Canvas, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
  }
  return FALSE;
}

void TWin32FrameView::SetUp() {
  for (const auto& Control : FFrame.Controls()) {
    HWND Item = GetDlgItem(FWindow, Control->Id());
    if (!Item)
      continue;
    if (auto Edit = dynamic_cast<TEditControl*>(Control.get())) {
      if (Edit->Options().MaxLength > 0)
        SendMessageW(Item, EM_LIMITTEXT, static_cast<WPARAM>(Edit->Options().MaxLength), 0);
      SetWindowLongPtrW(Item, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      FEditProcs[Item] = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(Item, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
    } else if (auto UpDown = dynamic_cast<TUpDownControl*>(Control.get())) {
      // The arrows only report steps: the frame decides the new value, so the control's own
      // position stays in the middle of a range it never reaches.
      SendMessageW(Item, UDM_SETBUDDY,
                   reinterpret_cast<WPARAM>(GetDlgItem(FWindow, UpDown->Associate().Id())), 0);
      SendMessageW(Item, UDM_SETRANGE32, 0, 100);
      SendMessageW(Item, UDM_SETPOS32, 0, 50);
    }
  }
  DrawAll();
}

void TWin32FrameView::Command(int Id, int Notification, HWND Item) {
  if (FDrawing)
    return;
  TFrameControl* Control = FFrame.FindControl(Id);
  if (!Control)
    return;
  switch (Control->Kind()) {
    case TControlKind::ckButton:
      if (Notification == BN_CLICKED)
        static_cast<TButtonControl*>(Control)->Click();
      break;
    case TControlKind::ckCheck:
      if (Notification == BN_CLICKED)
        static_cast<TCheckControl*>(Control)->UserSetChecked(
            SendMessageW(Item, BM_GETCHECK, 0, 0) == BST_CHECKED);
      break;
    case TControlKind::ckRadio:
      if (Notification == BN_CLICKED && SendMessageW(Item, BM_GETCHECK, 0, 0) == BST_CHECKED)
        static_cast<TRadioControl*>(Control)->UserCheck();
      break;
    case TControlKind::ckEdit: {
      auto Edit = static_cast<TEditControl*>(Control);
      if (Notification == EN_CHANGE)
        Edit->UserSetText(Edit->Options().Multiline ? FromControlBreaks(ControlText(Item))
                                                    : ControlText(Item));
      else if (Notification == EN_KILLFOCUS)
        Edit->Exit();
      break;
    }
    case TControlKind::ckCombo: {
      auto Combo = static_cast<TComboControl*>(Control);
      if (Notification == CBN_DROPDOWN)
        Combo->DropDown();
      else if (Notification == CBN_SELCHANGE)
        Combo->UserSelect(static_cast<int>(SendMessageW(Item, CB_GETCURSEL, 0, 0)));
      else if (Notification == CBN_EDITCHANGE)
        Combo->UserSetText(ControlText(Item));
      break;
    }
    default:
      break;
  }
}

bool TWin32FrameView::Notify(const NMHDR& Header, LPARAM LParam) {
  TFrameControl* Control = FFrame.FindControl(static_cast<int>(Header.idFrom));
  if (!Control || FDrawing)
    return false;
  if (Header.code == UDN_DELTAPOS && Control->Kind() == TControlKind::ckUpDown) {
    const auto& Change = *reinterpret_cast<const NMUPDOWN*>(LParam);
    if (Change.iDelta != 0)
      static_cast<TUpDownControl*>(Control)->Step(Change.iDelta > 0 ? 1 : -1);
    SetWindowLongPtrW(FWindow, DWLP_MSGRESULT, TRUE);  // the control's own position stays
    return true;
  }
  if (Header.code == DTN_DATETIMECHANGE && Control->Kind() == TControlKind::ckDate) {
    const auto& Change = *reinterpret_cast<const NMDATETIMECHANGE*>(LParam);
    if (Change.dwFlags == GDT_VALID)
      static_cast<TDateControl*>(Control)->UserSetDate(FromSystemTime(Change.st));
    return true;
  }
  return false;
}

void TWin32FrameView::DrawAll() {
  for (const auto& Control : FFrame.Controls())
    Draw(*Control);
}

void TWin32FrameView::Draw(TFrameControl& Control) {
  HWND Item = GetDlgItem(FWindow, Control.Id());
  if (!Item)
    return;
  ++FDrawing;
  struct TDone {
    int& Count;
    ~TDone() { --Count; }
  } Done{FDrawing};

  if (!IsWindowEnabled(Item) != !Control.Enabled())
    EnableWindow(Item, Control.Enabled());
  if (HasStyle(Item, WS_VISIBLE) != Control.Visible())
    ShowWindow(Item, Control.Visible() ? SW_SHOWNA : SW_HIDE);

  switch (Control.Kind()) {
    case TControlKind::ckLabel:
      DrawText(Item, Control.Caption());
      InvalidateRect(Item, nullptr, TRUE);
      break;
    case TControlKind::ckButton:
      DrawText(Item, Control.Caption());
      break;
    case TControlKind::ckCheck:
      DrawText(Item, Control.Caption());
      SendMessageW(Item, BM_SETCHECK,
                   static_cast<TCheckControl&>(Control).Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case TControlKind::ckRadio:
      DrawText(Item, Control.Caption());
      SendMessageW(Item, BM_SETCHECK,
                   static_cast<TRadioControl&>(Control).Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case TControlKind::ckEdit: {
      auto& Edit = static_cast<TEditControl&>(Control);
      DrawText(Item, Edit.Options().Multiline ? ToControlBreaks(Edit.Text()) : Edit.Text());
      break;
    }
    case TControlKind::ckCombo: {
      auto& Combo = static_cast<TComboControl&>(Control);
      auto& Shown = FComboItems[Control.Id()];
      if (Shown != Combo.Items()) {
        SendMessageW(Item, CB_RESETCONTENT, 0, 0);
        for (const auto& Text : Combo.Items())
          SendMessageW(Item, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(Text).c_str()));
        Shown = Combo.Items();
      }
      if (SendMessageW(Item, CB_GETCURSEL, 0, 0) != Combo.ItemIndex())
        SendMessageW(Item, CB_SETCURSEL, static_cast<WPARAM>(Combo.ItemIndex()), 0);
      if (!Combo.ChooseOnly())
        DrawText(Item, Combo.Text());
      break;
    }
    case TControlKind::ckDate: {
      SYSTEMTIME Time = ToSystemTime(static_cast<TDateControl&>(Control).Date());
      SendMessageW(Item, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&Time));
      break;
    }
    case TControlKind::ckUpDown:
      break;
  }
}

void TWin32FrameView::DrawText(HWND Control, const std::string& Text) {
  if (ControlText(Control) != Text)
    SetWindowTextW(Control, Utf8ToWide(Text).c_str());
}

std::string TWin32FrameView::ControlText(HWND Control) const {
  const int Length = GetWindowTextLengthW(Control);
  std::wstring Text(static_cast<std::size_t>(Length) + 1, L'\0');
  GetWindowTextW(Control, Text.data(), Length + 1);
  Text.resize(static_cast<std::size_t>(Length));
  return WideToUtf8(Text);
}
