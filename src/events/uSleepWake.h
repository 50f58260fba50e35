#pragma once

#include "events/uPowerNotify.h"

class TKoPlanner;

// The user's choices about sleep and wake-up.
struct TSleepWakeSettings {
  bool StopOnSleep = false;
  bool StartOnWakeUp = false;
  bool StartOnWakeUpOnlyIfWasRunning = false;
};

// What the main window does with its power monitor's notifications: going to sleep pauses a
// planner that monitors events; waking up starts it again, silently and only when idle, and with
// StartOnWakeUpOnlyIfWasRunning only when the sleep paused it. Lid notifications are not its
// business.
void ApplyPowerEventToPlanner(TKoPlanner& Planner, TPowerEventKind Kind,
                              const TSleepWakeSettings& Settings);
