#pragma once

#include <cstdint>

// The operating system's own version numbers, as the kernel reports them (not the numbers a
// compatibility shim hands to old programs). PlatformId: 0 Win32s, 1 Windows 9x, 2 NT.
struct TOsVersion {
  std::uint32_t PlatformId = 0;
  std::uint32_t Major = 0;
  std::uint32_t Minor = 0;
};

// Where the program learns which Windows it runs on. The answer never changes while the program
// runs, so adapters read it once.
class TSystemVersion {
 public:
  virtual ~TSystemVersion() = default;
  virtual TOsVersion OsVersion() const = 0;
};
