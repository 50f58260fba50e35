#include "app/aboutform.h"

#include <windowsx.h>

#include <cstring>
#include <vector>

#include "app/aboutformStrings.h"
#include "app/aboutform_res.h"
#include "app/uWin32DialogPlacement.h"
#include "app/resource.h"
#include "app/uVersionText.h"
#include "platform/win32/uWin32Clipboard.h"
#include "platform/win32/uWin32ModalScope.h"
#include "platform/win32/uWin32Text.h"

namespace {

struct TShowRequest {
  TForm_About* Form;
  HWND Owner;
};

std::wstring Wide(const TResString& Text) {
  return Utf8ToWide(ResStr(Text));
}

// The numbers of the module's own version resource; "0.0" when it has none.
std::string ModuleVersionText() {
  HRSRC Resource = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
  HGLOBAL Loaded = Resource ? LoadResource(nullptr, Resource) : nullptr;
  const void* Data = Loaded ? LockResource(Loaded) : nullptr;
  if (!Data)
    return VersionText(0, 0, 0, 0);
  // VerQueryValueW may write into the block, so it works on a copy.
  std::vector<unsigned char> Block(SizeofResource(nullptr, Resource));
  std::memcpy(Block.data(), Data, Block.size());
  VS_FIXEDFILEINFO* Info = nullptr;
  UINT Length = 0;
  if (!VerQueryValueW(Block.data(), L"\\", reinterpret_cast<void**>(&Info), &Length) || !Info ||
      Length < sizeof *Info)
    return VersionText(0, 0, 0, 0);
  return VersionText(HIWORD(Info->dwFileVersionMS), LOWORD(Info->dwFileVersionMS),
                     HIWORD(Info->dwFileVersionLS), LOWORD(Info->dwFileVersionLS));
}

}  // namespace

TAboutInfo RunningProgramAbout() {
  return {"Kolvane", ModuleVersionText(), KOLVANE_BUILD_DATE};
}

void TForm_About::Show(HWND Owner) {
  if (FWindow) {
    ShowWindow(FWindow.get(), SW_SHOWNORMAL);
    SetForegroundWindow(FWindow.get());
    return;
  }
  FModal = false;
  TShowRequest Request{this, Owner};
  HWND Window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), Owner,
                                   DialogProc, reinterpret_cast<LPARAM>(&Request));
  FWindow.reset(Window);
  if (Window)
    ShowWindow(Window, SW_SHOWNORMAL);
}

void TForm_About::ShowModal(HWND Owner) {
  if (FWindow) {
    SetForegroundWindow(FWindow.get());
    return;
  }
  FModal = true;
  TShowRequest Request{this, Owner};
  TModalScope Modal;
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), Owner, DialogProc,
                  reinterpret_cast<LPARAM>(&Request));
}

bool TForm_About::PreTranslate(MSG& Message) {
  HWND Window = FWindow.get();
  if (!Window || (Message.hwnd != Window && !IsChild(Window, Message.hwnd)))
    return false;
  return IsDialogMessageW(Window, &Message) != FALSE;
}

INT_PTR CALLBACK TForm_About::DialogProc(HWND Window, UINT Msg, WPARAM WParam,
                                         LPARAM LParam) noexcept {
  if (Msg == WM_INITDIALOG) {
    const auto* Request = reinterpret_cast<const TShowRequest*>(LParam);
    SetWindowLongPtrW(Window, DWLP_USER, reinterpret_cast<LONG_PTR>(Request->Form));
    try {
      Request->Form->SetUp(Window, Request->Owner);
    } catch (...) {
      // The texts that could be set stay; the box is still worth showing.
    }
    return TRUE;
  }
  auto Form = reinterpret_cast<TForm_About*>(GetWindowLongPtrW(Window, DWLP_USER));
  if (!Form)
    return FALSE;
  try {
    return Form->HandleMessage(Window, Msg, WParam, LParam);
  } catch (...) {
    return FALSE;
  }
}

INT_PTR TForm_About::HandleMessage(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_COMMAND:
      if (LOWORD(WParam) == IDOK || LOWORD(WParam) == IDCANCEL) {
        Close(Window);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      Close(Window);
      return TRUE;
    case WM_CONTEXTMENU: {
      // The top of the box is everything above the text area.
      POINT At{GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)};
      if (At.x == -1 && At.y == -1)
        return FALSE;
      ScreenToClient(Window, &At);
      RECT Text;
      GetWindowRect(GetDlgItem(Window, IDC_ABOUT_TEXT), &Text);
      MapWindowPoints(nullptr, Window, reinterpret_cast<POINT*>(&Text), 2);
      if (At.y < Text.top)
        CopyVersion(Window);
      return TRUE;
    }
    case WM_NCDESTROY:
      if (FWindow.get() == Window)
        (void)FWindow.release();
      FTitleFont.reset();
      return FALSE;
  }
  return FALSE;
}

void TForm_About::SetUp(HWND Window, HWND Owner) {
  SetWindowTextW(Window, Utf8ToWide(FInfo.Product).c_str());
  SetDlgItemTextW(Window, IDC_ABOUT_PRODUCT, Utf8ToWide(FInfo.Product).c_str());
  SetDlgItemTextW(Window, IDC_ABOUT_VERSION,
                  (Wide(tform_about::label_version) + L" " + Utf8ToWide(FInfo.Version)).c_str());
  SetDlgItemTextW(Window, IDC_ABOUT_DATE,
                  (Wide(tform_about::label_date) + L" " + Utf8ToWide(FInfo.BuildDate)).c_str());
  SetDlgItemTextW(Window, IDC_ABOUT_AUTHOR, Wide(tform_about::label_author).c_str());
  SetDlgItemTextW(Window, IDC_ABOUT_TEXT, Wide(tform_about::memo_text).c_str());
  SetDlgItemTextW(Window, IDOK, Wide(tform_about::button_ok).c_str());

  const auto Icon = static_cast<HICON>(LoadImageW(
      GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KOLVANE), IMAGE_ICON, 32, 32, LR_SHARED));
  if (Icon)
    SendDlgItemMessageW(Window, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(Icon), 0);

  LOGFONTW Font{};
  if (auto Current = reinterpret_cast<HFONT>(SendMessageW(Window, WM_GETFONT, 0, 0)))
    GetObjectW(Current, sizeof Font, &Font);
  Font.lfHeight = Font.lfHeight < 0 ? Font.lfHeight * 3 / 2 : -16;
  Font.lfWeight = FW_BOLD;
  FTitleFont.reset(CreateFontIndirectW(&Font));
  if (FTitleFont)
    SendDlgItemMessageW(Window, IDC_ABOUT_PRODUCT, WM_SETFONT,
                        reinterpret_cast<WPARAM>(FTitleFont.get()), FALSE);
  PlaceDialog(Window, Owner);
}

void TForm_About::Close(HWND Window) {
  if (FModal)
    EndDialog(Window, IDOK);
  else
    DestroyWindow(Window);
}

void TForm_About::CopyVersion(HWND Window) const {
  (void)SetClipboardText(
      Window, Utf8ToWide(VersionCopyText(FInfo.Product, FInfo.Version, FInfo.BuildDate)));
}
