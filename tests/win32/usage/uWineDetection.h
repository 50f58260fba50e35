#pragma once

#include "platform/win32/uWindows.h"

// Wine's ntdll exports its version; Windows' does not. Where Wine lacks a provider (performance
// counters, the disk classes of WMI), the tests check what Wine does and what Windows does.
inline bool RunningUnderWine() {
  const HMODULE Ntdll = GetModuleHandleW(L"ntdll.dll");
  return Ntdll && GetProcAddress(Ntdll, "wine_get_version") != nullptr;
}
