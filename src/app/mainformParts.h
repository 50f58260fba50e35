#pragma once

// What the main window's source files share: resource ids, image indices, sizes and a few
// small helpers for menus.

#include "app/mainform.h"
#include "app/mainform_res.h"
#include "app/mainformStrings.h"
#include "platform/win32/uWin32Text.h"

namespace mainform_parts {

inline constexpr wchar_t kMainWindowClass[] = L"TForm_Main";
inline constexpr wchar_t kApplicationTitle[] = L"Kolvane";
inline constexpr UINT WM_TRAY_NOTIFY = WM_APP + 1;
inline constexpr UINT_PTR kTrayRetryTimer = 1;
inline constexpr UINT_PTR kStatusTimer = 2;
inline constexpr UINT kTrayRetryIntervalMs = 5000;
inline constexpr int kDesignedWidth = 500;
inline constexpr int kDesignedHeight = 400;
inline constexpr int kGap = 5;

// Indices in the toolbar image strips.
enum : int {
  imgIdle = 0,
  imgRunning = 1,
  imgWeb = 3,
  imgSettings = 4,
  imgProtection = 5,
  imgStart = 6,
  imgStop = 7,
  imgNow = 8,
  imgAdd = 9,
  imgRemove = 10,
  imgUp = 11,
  imgDown = 12,
};

inline std::wstring Wide(const TResString& Text) {
  return Utf8ToWide(ResStr(Text));
}

// Menu captions come from the resource strings; the key shown after a tab stays.
void SetMenuText(HMENU Menu, UINT Command, const TResString& Text);
void SetSubMenuText(HMENU Menu, int Position, const TResString& Text);

}  // namespace mainform_parts
