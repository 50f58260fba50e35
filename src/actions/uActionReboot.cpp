#include "actions/uActionReboot.h"

#include "core/uPlannerActionsStrings.h"

void TKoActionReboot::InitIdentity() {
  FID = "Reboot";
  FName = ResStr(uplanneractions::name_action_reboot);
  FTerminal = true;
}
