#include "platform/win32/uWin32SystemInformation.h"

#include "platform/win32/uWindows.h"

#include <lmcons.h>

#include "platform/win32/uWin32Text.h"

std::uint64_t TWin32SystemInformation::UpTimeMilliseconds() {
  // The 32-bit tick count wraps after 49.7 days, and a machine that has run longer than that
  // would report a short up time.
  return GetTickCount64();
}

std::optional<std::string> TWin32SystemInformation::UserName() {
  // The wide call, so a name outside the system's code page arrives intact.
  wchar_t Name[UNLEN + 1];
  DWORD Size = UNLEN + 1;
  if (!GetUserNameW(Name, &Size) || Size == 0)
    return std::nullopt;
  // Size counts the terminating null.
  return WideToUtf8(std::wstring_view(Name, Size - 1));
}
