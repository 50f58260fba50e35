#include "actions/uActionLock.h"

#include "actions/uActionPorts.h"
#include "actions/uSuspend.h"
#include "core/uPlannerActionsStrings.h"

void TKoActionLock::InitIdentity() {
  FID = "Lock";
  FName = ResStr(uplanneractions::name_action_lock);
  FTerminal = false;
}

bool TKoActionLock::Execute(TKoActionOutcome&) {
  return LockWorkstation(PowerSessionPort(Services()));
}
