#include "actions/uWindowsVersion.h"

namespace {

TWindowsVersion Windows9xVersion(std::uint32_t Major, std::uint32_t Minor) {
  if (Major != 4)
    return TWindowsVersion::wvUnknown;
  switch (Minor) {
    case 0:
      return TWindowsVersion::wv95;
    case 10:
      return TWindowsVersion::wv98;
    case 90:
      return TWindowsVersion::wvME;
    default:
      return TWindowsVersion::wvUnknown;
  }
}

TWindowsVersion WindowsNTVersion(std::uint32_t Major, std::uint32_t Minor) {
  if (Major <= 4)
    return TWindowsVersion::wvNT4;
  if (Major == 5)
    return Minor == 0 ? TWindowsVersion::wv2000 : TWindowsVersion::wvXP;
  if (Major == 6) {
    switch (Minor) {
      case 0:
        return TWindowsVersion::wvVista;
      case 1:
        return TWindowsVersion::wv7;
      case 2:
        return TWindowsVersion::wv8;
      case 3:
        return TWindowsVersion::wv81;
      default:
        return TWindowsVersion::wvUnknown;
    }
  }
  if (Major < 10)
    return TWindowsVersion::wvUnknown;  // there never was an NT 7, 8 or 9
  if (Major == 10 && Minor == 0)
    return TWindowsVersion::wv10;
  return TWindowsVersion::wvNewer;
}

}  // namespace

TWindowsVersion GetWindowsVersion(const TOsVersion& Version) {
  switch (Version.PlatformId) {
    case VER_PLATFORM_WIN32s_ID:
      return TWindowsVersion::wvWin32s;
    case VER_PLATFORM_WIN32_WINDOWS_ID:
      return Windows9xVersion(Version.Major, Version.Minor);
    case VER_PLATFORM_WIN32_NT_ID:
      return WindowsNTVersion(Version.Major, Version.Minor);
    default:
      return TWindowsVersion::wvUnknown;
  }
}

bool IsWindowsVistaOrLater(const TOsVersion& Version) {
  return Version.Major >= 6;
}
