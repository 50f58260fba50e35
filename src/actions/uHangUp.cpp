#include "actions/uHangUp.h"

#include "platform/uEventLoop.h"
#include "platform/uRemoteAccess.h"

bool HangUpAllConnections(TRemoteAccess& RemoteAccess, TEventLoop& Loop) {
  const auto Connections = RemoteAccess.EnumConnections();
  if (!Connections)
    return false;
  bool Result = true;
  for (std::uintptr_t Connection : *Connections) {
    if (!Result)
      break;
    Result = RemoteAccess.HangUp(Connection) == 0;
  }
  (void)Loop.Wait(1000);
  return Result;
}
