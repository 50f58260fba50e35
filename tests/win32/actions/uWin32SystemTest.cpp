// Version and privileges for real. Nothing here shuts down, logs off, locks or suspends: those
// calls are checked on the simulated machine only.

#include <gtest/gtest.h>

#include "actions/uPrivileges.h"
#include "actions/uWindowsVersion.h"
#include "platform/win32/uWin32PowerSession.h"
#include "platform/win32/uWin32SystemVersion.h"

namespace {

TEST(Win32SystemTest, ReadsTheKernelsVersion) {
  TWin32SystemVersion System;
  const TOsVersion Version = System.OsVersion();
  EXPECT_EQ(Version.PlatformId, 2u);
  EXPECT_GE(WindowsVersion(System), TWindowsVersion::wv7) << Version.Major << "." << Version.Minor;
  EXPECT_TRUE(IsWindowsVistaOrLater(System));
}

TEST(Win32SystemTest, EnablesAPrivilegeTheTokenHoldsAndRefusesAnUnknownOne) {
  TWin32PowerSession Power;
  EXPECT_TRUE(EnableShutdownPrivilege(Power));
  EXPECT_TRUE(EnablePrivilege(Power, "SeShutdownPrivilege", false));
  EXPECT_FALSE(EnablePrivilege(Power, "SeNoSuchPrivilege", true));
}

}  // namespace
