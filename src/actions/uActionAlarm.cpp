#include "actions/uActionAlarm.h"

#include "actions/uActionPorts.h"
#include "core/uPlannerActionsStrings.h"

void TKoActionAlarm::InitIdentity() {
  FID = "Alarm";
  FName = ResStr(uplanneractions::name_action_alarm);
}

bool TKoActionAlarm::Execute(TKoActionOutcome&) {
  // A window that cannot be shown raises, so the list tells the user nothing rang.
  ModalWindowsPort(Services()).ShowAlarmWindow();
  return true;
}
