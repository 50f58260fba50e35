#include "actions/uActionSleep.h"

#include "core/uPlannerActionsStrings.h"

void TKoActionSleep::InitIdentity() {
  FID = "Sleep";
  FName = ResStr(uplanneractions::name_action_sleep);
  FTerminal = false;
}
