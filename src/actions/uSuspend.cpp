#include "actions/uSuspend.h"

#include "actions/uPrivileges.h"
#include "actions/uWindowsVersion.h"

bool SuspendSystem(TSystemVersion& Version, TPowerSession& Power, bool Hibernate,
                   bool ForceCritical, bool DisableWakeEvent) {
  // Without the privilege SetSuspendState fails by itself and says so.
  if (IsWindowsNT(Version.OsVersion()))
    (void)EnableShutdownPrivilege(Power);
  return CallSetSuspendState(Power, Hibernate, ForceCritical, DisableWakeEvent);
}

bool CallSetSuspendState(TPowerSession& Power, bool Hibernate, bool ForceCritical,
                         bool DisableWakeEvent) {
  return Power.SetSuspendState(Hibernate, ForceCritical, DisableWakeEvent);
}

bool LockWorkstation(TPowerSession& Power) {
  return Power.LockWorkStation();
}
