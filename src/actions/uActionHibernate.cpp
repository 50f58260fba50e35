#include "actions/uActionHibernate.h"

#include "core/uPlannerActionsStrings.h"

void TKoActionHibernate::InitIdentity() {
  FID = "Hibernate";
  FName = ResStr(uplanneractions::name_action_hibernate);
  FTerminal = false;
}
