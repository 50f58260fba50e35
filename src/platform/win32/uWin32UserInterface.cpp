#include "platform/win32/uWin32UserInterface.h"

#include "platform/win32/uWin32Text.h"

TDialogResult TWin32UserInterface::MessageDialog(const std::string& Caption,
                                                 const std::string& Text, TDialogKind Kind,
                                                 TDialogButtons Buttons) {
  UINT Style = MB_SETFOREGROUND;
  switch (Kind) {
    case TDialogKind::dkInformation:
      Style |= MB_ICONINFORMATION;
      break;
    case TDialogKind::dkWarning:
      Style |= MB_ICONWARNING;
      break;
    case TDialogKind::dkError:
      Style |= MB_ICONERROR;
      break;
    case TDialogKind::dkConfirmation:
      Style |= MB_ICONQUESTION;
      break;
  }
  switch (Buttons) {
    case TDialogButtons::dbOK:
      Style |= MB_OK;
      break;
    case TDialogButtons::dbOKCancel:
      Style |= MB_OKCANCEL;
      break;
    case TDialogButtons::dbYesNo:
      Style |= MB_YESNO;
      break;
    case TDialogButtons::dbYesNoCancel:
      Style |= MB_YESNOCANCEL;
      break;
    case TDialogButtons::dbRetryCancel:
      Style |= MB_RETRYCANCEL;
      break;
  }
  HWND Owner = FOwner ? FOwner() : nullptr;
  std::wstring Title = Utf8ToWide(Caption.empty() ? std::string("Kolvane") : Caption);
  switch (MessageBoxW(Owner, Utf8ToWide(Text).c_str(), Title.c_str(), Style)) {
    case IDYES:
      return TDialogResult::drYes;
    case IDNO:
      return TDialogResult::drNo;
    case IDCANCEL:
      return TDialogResult::drCancel;
    case IDRETRY:
      return TDialogResult::drRetry;
    default:
      return TDialogResult::drOK;
  }
}
