#include "actions/uActionLogoff.h"

#include "core/uPlannerActionsStrings.h"

void TKoActionLogoff::InitIdentity() {
  FID = "Logoff";
  FName = ResStr(uplanneractions::name_action_logoff);
  FTerminal = true;
}
