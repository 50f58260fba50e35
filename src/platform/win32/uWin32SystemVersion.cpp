#include "platform/win32/uWin32SystemVersion.h"

#include "platform/win32/uWin32Library.h"

TWin32SystemVersion::TWin32SystemVersion() {
  RTL_OSVERSIONINFOW Info{};
  Info.dwOSVersionInfoSize = sizeof Info;
  TDynamicLibrary Ntdll(L"ntdll.dll");
  using TRtlGetVersion = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
  auto RtlGetVersion = Ntdll.Function<TRtlGetVersion>("RtlGetVersion");
  if (!RtlGetVersion || RtlGetVersion(&Info) != 0) {
    Info = {};
    Info.dwOSVersionInfoSize = sizeof Info;
    if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&Info)))
      return;
  }
  FVersion = {Info.dwPlatformId, Info.dwMajorVersion, Info.dwMinorVersion};
}
