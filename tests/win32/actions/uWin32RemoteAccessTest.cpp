// rasapi32 for real. Wine has no dial-up connections, so only the listing and the empty hang-up
// can be shown here; hanging up real connections is checked on the simulated machine.

#include <gtest/gtest.h>

#include "actions/uHangUp.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32RemoteAccess.h"

namespace {

TEST(Win32RemoteAccessTest, ListsNoConnectionsAndHangUpSucceedsAfterItsPause) {
  TWin32RemoteAccess RemoteAccess;
  const auto Connections = RemoteAccess.EnumConnections();
  ASSERT_TRUE(Connections.has_value()) << "the library binds and accepts our entry layout";
  EXPECT_TRUE(Connections->empty());

  TWin32EventLoop Loop;
  const ULONGLONG Started = GetTickCount64();
  EXPECT_TRUE(HangUpAllConnections(RemoteAccess, Loop));
  EXPECT_GE(GetTickCount64() - Started, 950u);
}

}  // namespace
