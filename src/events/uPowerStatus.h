#pragma once

class TPowerSystem;

// The battery's charge in percent, or -1 when it is unknown: the status cannot be read, the
// system has no battery, or it reports no valid percentage.
int GetBatteryPercent(TPowerSystem* Power);

// True only when the system says it runs off the mains; an unreadable or unknown status counts as
// external power.
bool IsOnBatteryPower(TPowerSystem* Power);
