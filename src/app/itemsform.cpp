#include "app/itemsform.h"

#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/itemsform_res.h"
#include "app/uWin32DialogPlacement.h"
#include "app/uItemEditorStrings.h"
#include "app/uWin32FrameView.h"
#include "core/uKoException.h"
#include "platform/win32/uWin32ModalScope.h"
#include "platform/win32/uWin32Text.h"

namespace {

class TForm_Items {
 public:
  explicit TForm_Items(TItemEditor& Editor) : FEditor(Editor) {}

  bool ShowModal(HWND Owner) {
    INITCOMMONCONTROLSEX Controls{sizeof Controls,
                                  ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_DATE_CLASSES};
    InitCommonControlsEx(&Controls);
    TModalScope Modal;
    const INT_PTR Result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ITEMS),
                                           Owner, DialogProc, reinterpret_cast<LPARAM>(this));
    if (Result == -1 || !FWindow)
      throw EKoException(ResStr(itemsform::swindowfailed));
    return Result == IDOK;
  }

 private:
  static INT_PTR CALLBACK DialogProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept {
    if (Msg == WM_INITDIALOG)
      SetWindowLongPtrW(Window, DWLP_USER, LParam);
    auto Form = reinterpret_cast<TForm_Items*>(GetWindowLongPtrW(Window, DWLP_USER));
    if (!Form)
      return FALSE;
    try {
      return Form->HandleMessage(Window, Msg, WParam, LParam);
    } catch (const std::exception& Error) {
      MessageBoxW(Window, Utf8ToWide(Error.what()).c_str(), nullptr, MB_OK | MB_ICONERROR);
    } catch (...) {
    }
    return TRUE;
  }

  INT_PTR HandleMessage(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    switch (Msg) {
      case WM_INITDIALOG:
        FWindow = Window;
        SetUp();
        return TRUE;
      case WM_COMMAND:
        return Command(LOWORD(WParam), HIWORD(WParam));
      case WM_SIZE:
        Layout();
        return TRUE;
      case WM_GETMINMAXINFO: {
        auto& Limits = *reinterpret_cast<MINMAXINFO*>(LParam);
        Limits.ptMinTrackSize = FMinimumSize;
        return TRUE;
      }
      case WM_DROPFILES:
        DropFiles(reinterpret_cast<HDROP>(WParam));
        return TRUE;
      case WM_DESTROY:
        Detach();
        return FALSE;
    }
    return FALSE;
  }

  void SetUp() {
    SetDlgItemTextW(FWindow, IDC_ITEMS_CONFIG,
                    Utf8ToWide(ResStr(tform_items::groupbox_config)).c_str());
    SetDlgItemTextW(FWindow, IDC_ITEMS_NOCONFIG,
                    Utf8ToWide(ResStr(tform_items::label_noconfiguration)).c_str());
    SetDlgItemTextW(FWindow, IDCANCEL, Utf8ToWide(ResStr(tform_items::bitbtn_cancel)).c_str());
    // The designed size is the smallest the user may make it.
    RECT Bounds{};
    GetWindowRect(FWindow, &Bounds);
    FMinimumSize = {Bounds.right - Bounds.left, Bounds.bottom - Bounds.top};
    PlaceDialog(FWindow, GetWindow(FWindow, GW_OWNER));

    FEditor.ConfigBox().OnInsert = [this](TConfigFrame& Frame) { ShowFrameView(Frame); };
    FEditor.ConfigBox().OnRemove = [this](TConfigFrame&) { FView.reset(); };
    FEditor.OnUpdate = [this] { UpdateDialog(); };
    if (TConfigFrame* Frame = FEditor.ConfigBox().Frame())
      ShowFrameView(*Frame);
    UpdateDialog();
    Layout();
    SetFocus(GetDlgItem(
        FWindow, IsWindowEnabled(GetDlgItem(FWindow, IDC_ITEMS_KINDS)) ? IDC_ITEMS_KINDS : IDOK));
  }

  void Detach() {
    FEditor.OnUpdate = nullptr;
    FEditor.ConfigBox().OnInsert = nullptr;
    FEditor.ConfigBox().OnRemove = nullptr;
    FView.reset();
  }

  INT_PTR Command(int Id, int Notification) {
    switch (Id) {
      case IDC_ITEMS_KINDS:
        if (Notification == LBN_SELCHANGE)
          FEditor.KindClicked(
              static_cast<int>(SendDlgItemMessageW(FWindow, IDC_ITEMS_KINDS, LB_GETCURSEL, 0, 0)));
        return TRUE;
      case IDOK:
        if (FView)
          FView->CommitEdits();
        EndDialog(FWindow, IDOK);
        return TRUE;
      case IDCANCEL:
        EndDialog(FWindow, IDCANCEL);
        return TRUE;
    }
    return FALSE;
  }

  // What the editor holds, drawn: the caption, the kinds, the mode and whether a frame is shown.
  void UpdateDialog() {
    SetWindowTextW(FWindow, Utf8ToWide(FEditor.Caption()).c_str());
    SetDlgItemTextW(FWindow, IDOK, Utf8ToWide(FEditor.SaveCaption()).c_str());
    HWND Kinds = GetDlgItem(FWindow, IDC_ITEMS_KINDS);
    if (FKindNames != FEditor.KindNames()) {
      SendMessageW(Kinds, LB_RESETCONTENT, 0, 0);
      for (const auto& Name : FEditor.KindNames())
        SendMessageW(Kinds, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(Name).c_str()));
      FKindNames = FEditor.KindNames();
    }
    if (SendMessageW(Kinds, LB_GETCURSEL, 0, 0) != FEditor.SelectedKind())
      SendMessageW(Kinds, LB_SETCURSEL, static_cast<WPARAM>(FEditor.SelectedKind()), 0);
    EnableWindow(Kinds, FEditor.KindListEnabled());
    ShowWindow(GetDlgItem(FWindow, IDC_ITEMS_NOCONFIG),
               FEditor.NoConfigurationVisible() ? SW_SHOWNA : SW_HIDE);
    DragAcceptFiles(FWindow, FEditor.AcceptsFiles());
  }

  void ShowFrameView(TConfigFrame& Frame) {
    FView.reset();
    FView = std::make_unique<TWin32FrameView>(Frame, FWindow);
    // After the kind list in the tab order, and above the box it sits in.
    SetWindowPos(FView->Handle(), GetDlgItem(FWindow, IDC_ITEMS_KINDS), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Layout();
  }

  // The kind list keeps its width; the configuration box takes the rest, the buttons stay at
  // the bottom right.
  void Layout() {
    RECT Client{};
    GetClientRect(FWindow, &Client);
    RECT Units{7, 100, 50, 16};
    MapDialogRect(FWindow, &Units);
    const int Margin = Units.left, ListWidth = Units.top;
    const int ButtonWidth = Units.right, ButtonHeight = Units.bottom;
    const int ButtonTop = Client.bottom - Margin - ButtonHeight;
    const int BoxBottom = ButtonTop - Margin;
    Move(IDC_ITEMS_KINDS, Margin, Margin, ListWidth, BoxBottom - Margin);
    const int BoxLeft = Margin + ListWidth + Margin;
    const int BoxWidth = Client.right - Margin - BoxLeft;
    Move(IDC_ITEMS_CONFIG, BoxLeft, Margin / 2, BoxWidth, BoxBottom - Margin / 2);
    Move(IDOK, Client.right - 2 * (ButtonWidth + Margin) + Margin / 2, ButtonTop, ButtonWidth,
         ButtonHeight);
    Move(IDCANCEL, Client.right - ButtonWidth - Margin, ButtonTop, ButtonWidth, ButtonHeight);

    RECT Inside{BoxLeft + Margin, Margin / 2 + 2 * Margin, BoxLeft + BoxWidth - Margin,
                BoxBottom - Margin};
    const int LabelHeight = 2 * Margin;
    Move(IDC_ITEMS_NOCONFIG, Inside.left, (Inside.top + Inside.bottom - LabelHeight) / 2,
         Inside.right - Inside.left, LabelHeight);
    if (FView)
      FView->SetBounds(Inside);
    InvalidateRect(FWindow, nullptr, TRUE);
  }

  void Move(int Id, int Left, int Top, int Width, int Height) {
    SetWindowPos(GetDlgItem(FWindow, Id), nullptr, Left, Top, Width > 0 ? Width : 0,
                 Height > 0 ? Height : 0, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void DropFiles(HDROP Drop) {
    std::vector<std::string> Names;
    const UINT Count = DragQueryFileW(Drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT I = 0; I < Count; ++I) {
      const UINT Length = DragQueryFileW(Drop, I, nullptr, 0);
      std::wstring Name(Length + 1, L'\0');
      DragQueryFileW(Drop, I, Name.data(), Length + 1);
      Name.resize(Length);
      Names.push_back(WideToUtf8(Name));
    }
    DragFinish(Drop);
    FEditor.DropFiles(Names);
  }

  TItemEditor& FEditor;
  HWND FWindow = nullptr;
  POINT FMinimumSize{};
  std::vector<std::string> FKindNames;
  std::unique_ptr<TWin32FrameView> FView;
};

}  // namespace

std::optional<TItemRow> Dialog_Items(TItemEditor& Editor, HWND Owner, int Type,
                                     const TItemRow* Edited) {
  if (Edited) {
    if (!Editor.PrepareEdit(Type, *Edited))
      return std::nullopt;
  } else {
    Editor.PrepareAdd(Type);
  }
  TForm_Items Form(Editor);
  if (!Form.ShowModal(Owner))
    return std::nullopt;
  return Editor.ResultRow();
}
