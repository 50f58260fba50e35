#include "app/passwordform.h"

#include "platform/win32/uWindows.h"

#include <vector>

#include "app/passwordform_res.h"
#include "app/uPasswordFormModel.h"
#include "app/uProtectionStrings.h"
#include "core/uKoException.h"
#include "platform/win32/uWin32ModalScope.h"
#include "platform/win32/uWin32Text.h"

namespace {

class TForm_Password {
 public:
  explicit TForm_Password(const std::string& ApplicationTitle) : FModel(ApplicationTitle) {}

  bool ShowModal(std::string& Entered) {
    TModalScope Modal;
    const INT_PTR Shown = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PASSWORD),
                                          nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
    if (Shown == -1 || !FWindow)
      throw EKoException(ResStr(tform_password::swindowfailed));
    Entered = FModel.Password();
    return FModel.Accepted();
  }

 private:
  static INT_PTR CALLBACK DialogProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept {
    if (Msg == WM_INITDIALOG)
      SetWindowLongPtrW(Window, DWLP_USER, LParam);
    auto Form = reinterpret_cast<TForm_Password*>(GetWindowLongPtrW(Window, DWLP_USER));
    if (!Form)
      return FALSE;
    try {
      return Form->HandleMessage(Window, Msg, WParam);
    } catch (...) {
      // A failure inside the prompt counts as Cancel: the program stays locked.
      Form->FModel.CancelPressed();
      EndDialog(Window, IDCANCEL);
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
        switch (LOWORD(WParam)) {
          case IDOK:
            FModel.OKPressed(TypedPassword());
            EndDialog(FWindow, IDOK);
            return TRUE;
          // Cancel, Escape and the close box all arrive as IDCANCEL.
          case IDCANCEL:
            FModel.CancelPressed();
            EndDialog(FWindow, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
  }

  void SetUp() {
    SetWindowTextW(FWindow, Utf8ToWide(FModel.Caption()).c_str());
    SetDlgItemTextW(FWindow, IDC_PASSWORD_LABEL, Utf8ToWide(FModel.EnterPasswordLabel()).c_str());
    SetDlgItemTextW(FWindow, IDOK, Utf8ToWide(FModel.OKCaption()).c_str());
    SetDlgItemTextW(FWindow, IDCANCEL, Utf8ToWide(FModel.CancelCaption()).c_str());
    HWND Edit = GetDlgItem(FWindow, IDC_PASSWORD_EDIT);
    // Visual styles would mask with a dot; the prompt shows stars on every system.
    SendMessageW(Edit, EM_SETPASSWORDCHAR, L'*', 0);
    // The prompt usually answers a click on the tray icon: it must come to the front.
    SetForegroundWindow(FWindow);
    SetFocus(Edit);
  }

  std::string TypedPassword() const {
    HWND Edit = GetDlgItem(FWindow, IDC_PASSWORD_EDIT);
    std::vector<wchar_t> Buffer(static_cast<std::size_t>(GetWindowTextLengthW(Edit)) + 1, L'\0');
    const int Length = GetWindowTextW(Edit, Buffer.data(), static_cast<int>(Buffer.size()));
    std::string Typed = WideToUtf8(std::wstring_view(Buffer.data(), Length > 0 ? Length : 0));
    // The password should not linger in memory longer than needed.
    SecureZeroMemory(Buffer.data(), Buffer.size() * sizeof(wchar_t));
    return Typed;
  }

  TPasswordFormModel FModel;
  HWND FWindow = nullptr;
};

}  // namespace

bool AskPassword(const std::string& ApplicationTitle, std::string& Entered) {
  TForm_Password Form(ApplicationTitle);
  return Form.ShowModal(Entered);
}
