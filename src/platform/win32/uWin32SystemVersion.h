#pragma once

#include "platform/uSystemVersion.h"

// Reads the version once, from the kernel (RtlGetVersion), because GetVersionEx reports the
// version the program's manifest declares support for rather than the one that runs.
class TWin32SystemVersion : public TSystemVersion {
 public:
  TWin32SystemVersion();
  TOsVersion OsVersion() const override { return FVersion; }

 private:
  TOsVersion FVersion;
};
