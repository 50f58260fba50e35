#include "actions/uActionHangUp.h"

#include "actions/uActionPorts.h"
#include "actions/uHangUp.h"
#include "core/uPlannerActionsStrings.h"

void TKoActionHangUp::InitIdentity() {
  FID = "HangUp";
  FName = ResStr(uplanneractions::name_action_hangup);
}

bool TKoActionHangUp::Execute(TKoActionOutcome&) {
  return HangUpAllConnections(RemoteAccessPort(Services()), Services().EventLoop);
}
