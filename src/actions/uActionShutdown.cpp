#include "actions/uActionShutdown.h"

#include "core/uPlannerActionsStrings.h"

void TKoActionShutdown::InitIdentity() {
  FID = "Shutdown";
  FName = ResStr(uplanneractions::name_action_shutdown);
  FTerminal = true;
}
