#pragma once

#include "platform/uPowerSession.h"
#include "platform/uSystemVersion.h"

// Puts the machine to sleep (Hibernate false) or into hibernation. Returns when it wakes up
// again, or at once when it could not suspend.
bool SuspendSystem(TSystemVersion& Version, TPowerSession& Power, bool Hibernate,
                   bool ForceCritical, bool DisableWakeEvent);

// The SetSuspendState call itself, its arguments in the system's order.
bool CallSetSuspendState(TPowerSession& Power, bool Hibernate, bool ForceCritical,
                         bool DisableWakeEvent);

// Locks the workstation and returns at once; false when the system cannot lock.
bool LockWorkstation(TPowerSession& Power);
