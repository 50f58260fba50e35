#include "actions/messageform.h"

#include "platform/win32/uWindows.h"

#include <commctrl.h>

#include "actions/messageform_res.h"
#include "actions/uActionStrings.h"
#include "actions/uMessageWindowModel.h"
#include "core/uKoException.h"
#include "core/uWindowMessages.h"
#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32ModalScope.h"
#include "platform/win32/uWin32Text.h"

namespace {

// Memo texts keep their line breaks as the user typed them; the edit control wants CR LF.
std::wstring WithWindowsLineBreaks(const std::string& Text) {
  std::string Converted;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] == '\n' && (I == 0 || Text[I - 1] != '\r'))
      Converted += '\r';
    Converted += Text[I];
  }
  return Utf8ToWide(Converted);
}

class TForm_Message final : private TMessageWindowModel::TView {
 public:
  TForm_Message(TEventLoop& Loop, const TMessageWindowOptions& Options)
      : FOptions(Options), FModel(Loop, *this) {}

  TMessageWindowResult ShowModal() {
    INITCOMMONCONTROLSEX Controls{sizeof Controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&Controls);
    TModalScope Modal;
    const INT_PTR Shown = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MESSAGE),
                                          nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
    if (Shown == -1 || !FWindow)
      throw EKoException(ResStr(messageform::swindowfailed));
    return FModel.Result();
  }

 private:
  static INT_PTR CALLBACK DialogProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept {
    if (Msg == WM_INITDIALOG)
      SetWindowLongPtrW(Window, DWLP_USER, LParam);
    auto Form = reinterpret_cast<TForm_Message*>(GetWindowLongPtrW(Window, DWLP_USER));
    if (!Form)
      return FALSE;
    try {
      return Form->HandleMessage(Window, Msg, WParam);
    } catch (...) {
      // A failure inside the window closes it; the list goes on as after the close box.
      EndDialog(Window, 0);
      return TRUE;
    }
  }

  INT_PTR HandleMessage(HWND Window, UINT Msg, WPARAM WParam) {
    switch (Msg) {
      case WM_INITDIALOG:
        FWindow = Window;
        SetUp();
        return FALSE;  // the focus is set
      case WM_COMMAND:
        return Command(LOWORD(WParam), HIWORD(WParam));
      case WM_CLOSE:
        FModel.ClosePressed();
        return TRUE;
      case WM_MESSAGE_HIDE_CARET:
        // The text is read-only: a blinking caret would only suggest it can be edited.
        HideCaret(GetDlgItem(Window, IDC_MESSAGE_TEXT));
        return TRUE;
    }
    return FALSE;
  }

  void SetUp() {
    SetWindowTextW(FWindow, Utf8ToWide(ResStr(tform_message::caption)).c_str());
    SetText(IDC_MESSAGE_TIMELEFTSTATIC, ResStr(tform_message::label_timeleftstatic));
    SetText(IDC_MESSAGE_RESTART, ResStr(tform_message::bb_restart));
    SetText(IDC_MESSAGE_CANCEL, ResStr(tform_message::bb_cancel));
    SetText(IDC_MESSAGE_EXIT, ResStr(tform_message::bb_exit));
    SetText(IDC_MESSAGE_TEXT, {});
    SetDlgItemTextW(FWindow, IDC_MESSAGE_TEXT, WithWindowsLineBreaks(FOptions.Text).c_str());
    SetText(IDOK, ResStr(tform_message::bb_continue));
    MakeBold(IDC_MESSAGE_TIMELEFTSTATIC);
    MakeBold(IDC_MESSAGE_TIMELEFT);

    FModel.SetUp(FOptions);
    EnableWindow(GetDlgItem(FWindow, IDC_MESSAGE_CANCEL), FModel.CancelEnabled());
    EnableWindow(GetDlgItem(FWindow, IDC_MESSAGE_RESTART), FModel.RestartEnabled());
    EnableWindow(GetDlgItem(FWindow, IDC_MESSAGE_EXIT), FModel.ExitEnabled());
    if (FOptions.StayOnTop)
      SetWindowPos(FWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    FModel.Shown();
    SetForegroundWindow(FWindow);
    SetFocus(GetDlgItem(FWindow, IDOK));
  }

  INT_PTR Command(UINT Id, UINT Notification) {
    switch (Id) {
      case IDOK:
        FModel.ContinuePressed();
        return TRUE;
      case IDC_MESSAGE_CANCEL:
        FModel.CancelPressed();
        return TRUE;
      case IDC_MESSAGE_RESTART:
        FModel.RestartPressed();
        return TRUE;
      case IDC_MESSAGE_EXIT:
        FModel.ExitPressed();
        return TRUE;
      // The dialog manager turns Escape into IDCANCEL; no button carries that id.
      case IDCANCEL:
        FModel.EscapePressed();
        return TRUE;
      case IDC_MESSAGE_TEXT:
        if (Notification == EN_SETFOCUS)
          PostMessageW(FWindow, WM_MESSAGE_HIDE_CARET, 0, 0);
        return TRUE;
    }
    return FALSE;
  }

  void SetText(int Id, const std::string& Text) {
    SetDlgItemTextW(FWindow, Id, Utf8ToWide(Text).c_str());
  }

  void MakeBold(int Id) {
    if (!FBoldFont) {
      LOGFONTW Font{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(FWindow, WM_GETFONT, 0, 0)), sizeof Font,
                 &Font);
      Font.lfWeight = FW_BOLD;
      FBoldFont.reset(CreateFontIndirectW(&Font));
    }
    SendMessageW(GetDlgItem(FWindow, Id), WM_SETFONT, reinterpret_cast<WPARAM>(FBoldFont.get()),
                 FALSE);
  }

  void ShowTimeLeft(const std::string& Text) override { SetText(IDC_MESSAGE_TIMELEFT, Text); }

  void ShowProgress(int Position, int Maximum) override {
    HWND Progress = GetDlgItem(FWindow, IDC_MESSAGE_PROGRESS);
    SendMessageW(Progress, PBM_SETRANGE32, 0, Maximum);
    SendMessageW(Progress, PBM_SETPOS, static_cast<WPARAM>(Position), 0);
  }

  void CloseWindow() override { EndDialog(FWindow, 1); }

  TMessageWindowOptions FOptions;
  TMessageWindowModel FModel;
  HWND FWindow = nullptr;
  TFontHandle FBoldFont;
};

}  // namespace

TMessageWindowResult Dialog_Message(TEventLoop& Loop, const TMessageWindowOptions& Options) {
  TForm_Message Form(Loop, Options);
  return Form.ShowModal();
}
