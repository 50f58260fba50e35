#include "app/uMainUserInterface.h"

#include "app/mainform_res.h"
#include "platform/win32/uWin32ModalScope.h"
#include "platform/win32/uWin32Text.h"

#include <shlobj.h>

namespace {

struct TInputQuery {
  std::wstring Caption;
  std::wstring Prompt;
  std::wstring Value;
};

INT_PTR CALLBACK InputQueryProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept {
  if (Msg == WM_INITDIALOG) {
    auto Query = reinterpret_cast<TInputQuery*>(LParam);
    SetWindowLongPtrW(Window, DWLP_USER, LParam);
    SetWindowTextW(Window, Query->Caption.c_str());
    SetDlgItemTextW(Window, IDC_INPUT_PROMPT, Query->Prompt.c_str());
    SetDlgItemTextW(Window, IDC_INPUT_TEXT, Query->Value.c_str());
    SendDlgItemMessageW(Window, IDC_INPUT_TEXT, EM_SETSEL, 0, -1);
    return TRUE;
  }
  if (Msg == WM_COMMAND && (LOWORD(WParam) == IDOK || LOWORD(WParam) == IDCANCEL)) {
    if (LOWORD(WParam) == IDOK) {
      auto Query = reinterpret_cast<TInputQuery*>(GetWindowLongPtrW(Window, DWLP_USER));
      const int Length = GetWindowTextLengthW(GetDlgItem(Window, IDC_INPUT_TEXT));
      Query->Value.assign(static_cast<std::size_t>(Length) + 1, L'\0');
      GetDlgItemTextW(Window, IDC_INPUT_TEXT, Query->Value.data(), Length + 1);
      Query->Value.resize(static_cast<std::size_t>(Length));
    }
    EndDialog(Window, LOWORD(WParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

HWND TMainUserInterface::Owner() const {
  return FOwner ? FOwner() : nullptr;
}

bool TMainUserInterface::InputQuery(const std::string& Caption, const std::string& Prompt,
                                    std::string& Value) {
  TInputQuery Query{Utf8ToWide(Caption), Utf8ToWide(Prompt), Utf8ToWide(Value)};
  TModalScope Modal;
  if (DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INPUTQUERY), Owner(),
                      InputQueryProc, reinterpret_cast<LPARAM>(&Query)) != IDOK)
    return false;
  Value = WideToUtf8(Query.Value);
  return true;
}

bool TMainUserInterface::SelectFolder(const std::string& Title, std::string& Selected) {
  const std::wstring WideTitle = Utf8ToWide(Title);
  BROWSEINFOW Browse{};
  Browse.hwndOwner = Owner();
  Browse.lpszTitle = WideTitle.c_str();
  Browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  const HRESULT Com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  TModalScope Modal;
  PIDLIST_ABSOLUTE Chosen = SHBrowseForFolderW(&Browse);
  bool Result = false;
  if (Chosen) {
    wchar_t Path[MAX_PATH] = {};
    Result = SHGetPathFromIDListW(Chosen, Path) != FALSE;
    if (Result)
      Selected = WideToUtf8(Path);
    CoTaskMemFree(Chosen);
  }
  if (SUCCEEDED(Com))
    CoUninitialize();
  return Result;
}
