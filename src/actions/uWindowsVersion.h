#pragma once

#include <cstdint>

#include "platform/uSystemVersion.h"

// Windows versions in the order they appeared; code compares levels by their order ("XP or
// later" is wvXP and up).
enum class TWindowsVersion : std::uint8_t {
  wvUnknown = 0,
  wvWin32s = 1,
  wv95 = 2,
  wv98 = 3,
  wvME = 4,
  wvNT4 = 5,
  wv2000 = 6,
  wvXP = 7,
  wvVista = 8,
  wv7 = 9,
  wv8 = 10,
  wv81 = 11,
  wv10 = 12,
  wvNewer = 13,
};

inline constexpr std::uint32_t VER_PLATFORM_WIN32s_ID = 0;
inline constexpr std::uint32_t VER_PLATFORM_WIN32_WINDOWS_ID = 1;
inline constexpr std::uint32_t VER_PLATFORM_WIN32_NT_ID = 2;

// The level of a version as the system reports it.
TWindowsVersion GetWindowsVersion(const TOsVersion& Version);

// The level of the Windows this program runs on.
inline TWindowsVersion WindowsVersion(const TSystemVersion& System) {
  return GetWindowsVersion(System.OsVersion());
}

inline bool IsWindowsXPOrLater(TWindowsVersion Level) {
  return Level >= TWindowsVersion::wvXP;
}

bool IsWindowsVistaOrLater(const TOsVersion& Version);
inline bool IsWindowsVistaOrLater(const TSystemVersion& System) {
  return IsWindowsVistaOrLater(System.OsVersion());
}

inline bool IsWindowsNT(const TOsVersion& Version) {
  return Version.PlatformId == VER_PLATFORM_WIN32_NT_ID;
}
inline bool IsWindows9x(const TOsVersion& Version) {
  return Version.PlatformId == VER_PLATFORM_WIN32_WINDOWS_ID;
}
