#pragma once

#include <string>

#include "platform/win32/uWindows.h"

#include <shellapi.h>

// The notification-area icon of a window. It is identified by window and id (not by GUID, which
// would tie it to the executable's path), re-added when Explorer restarts, and removed when the
// owner goes.
class TTrayIcon {
 public:
  // Mouse and keyboard notifications reach Owner as CallbackMessage with the version 4 layout:
  // LOWORD(lParam) is the event (NIN_SELECT, NIN_KEYSELECT, WM_CONTEXTMENU, ...), wParam holds
  // the position.
  TTrayIcon(HWND Owner, UINT CallbackMessage, HICON Icon, const std::wstring& Hint);
  ~TTrayIcon();
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;

  bool Visible() const { return FAdded; }

  // Owners forward every message here; returns true for the taskbar's restart broadcast, after
  // which the icon is back.
  bool HandleTaskbarCreated(UINT Msg);

  // Adds the icon when an earlier attempt failed (Explorer may not have been ready at logon).
  void RetryAdd();

  void SetHint(const std::wstring& Hint);
  void SetIcon(HICON Icon);
  void ShowBalloon(const std::wstring& Title, const std::wstring& Text, DWORD InfoFlags);

 private:
  NOTIFYICONDATAW Data() const;
  void Add();

  HWND FOwner;
  UINT FCallbackMessage;
  HICON FIcon;
  std::wstring FHint;
  UINT FTaskbarCreated;
  bool FAdded = false;
};
