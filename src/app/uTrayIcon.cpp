#include "app/uTrayIcon.h"

#include <cwchar>

namespace {
constexpr UINT kTrayIconId = 1;
}

TTrayIcon::TTrayIcon(HWND Owner, UINT CallbackMessage, HICON Icon, const std::wstring& Hint)
    : FOwner(Owner),
      FCallbackMessage(CallbackMessage),
      FIcon(Icon),
      FHint(Hint),
      FTaskbarCreated(RegisterWindowMessageW(L"TaskbarCreated")) {
  Add();
}

TTrayIcon::~TTrayIcon() {
  if (!FAdded)
    return;
  NOTIFYICONDATAW Icon = Data();
  Shell_NotifyIconW(NIM_DELETE, &Icon);
}

NOTIFYICONDATAW TTrayIcon::Data() const {
  NOTIFYICONDATAW Icon{};
  Icon.cbSize = sizeof Icon;
  Icon.hWnd = FOwner;
  Icon.uID = kTrayIconId;
  return Icon;
}

void TTrayIcon::Add() {
  NOTIFYICONDATAW Icon = Data();
  Icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  Icon.uCallbackMessage = FCallbackMessage;
  Icon.hIcon = FIcon;
  std::wcsncpy(Icon.szTip, FHint.c_str(), std::size(Icon.szTip) - 1);
  FAdded = Shell_NotifyIconW(NIM_ADD, &Icon) != FALSE;
  if (FAdded) {
    Icon.uVersion = NOTIFYICON_VERSION_4;
    Shell_NotifyIconW(NIM_SETVERSION, &Icon);
  }
}

bool TTrayIcon::HandleTaskbarCreated(UINT Msg) {
  if (Msg != FTaskbarCreated || FTaskbarCreated == 0)
    return false;
  Add();
  return true;
}

void TTrayIcon::RetryAdd() {
  if (!FAdded)
    Add();
}

void TTrayIcon::SetHint(const std::wstring& Hint) {
  FHint = Hint;
  if (!FAdded)
    return;
  NOTIFYICONDATAW Icon = Data();
  Icon.uFlags = NIF_TIP | NIF_SHOWTIP;
  std::wcsncpy(Icon.szTip, FHint.c_str(), std::size(Icon.szTip) - 1);
  Shell_NotifyIconW(NIM_MODIFY, &Icon);
}

void TTrayIcon::SetIcon(HICON Icon) {
  FIcon = Icon;
  if (!FAdded)
    return;
  NOTIFYICONDATAW Data = this->Data();
  Data.uFlags = NIF_ICON;
  Data.hIcon = FIcon;
  Shell_NotifyIconW(NIM_MODIFY, &Data);
}

void TTrayIcon::ShowBalloon(const std::wstring& Title, const std::wstring& Text, DWORD InfoFlags) {
  if (!FAdded)
    return;
  NOTIFYICONDATAW Icon = Data();
  Icon.uFlags = NIF_INFO;
  Icon.dwInfoFlags = InfoFlags;
  std::wcsncpy(Icon.szInfoTitle, Title.c_str(), std::size(Icon.szInfoTitle) - 1);
  std::wcsncpy(Icon.szInfo, Text.c_str(), std::size(Icon.szInfo) - 1);
  Shell_NotifyIconW(NIM_MODIFY, &Icon);
}
