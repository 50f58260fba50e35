#include "events/uSleepWake.h"

#include "core/uPlanner.h"

void ApplyPowerEventToPlanner(TKoPlanner& Planner, TPowerEventKind Kind,
                              const TSleepWakeSettings& Settings) {
  switch (Kind) {
    case pekSuspend:
      if (Settings.StopOnSleep)
        Planner.PauseForSuspend();
      break;
    case pekResume:
      if (Settings.StartOnWakeUp) {
        std::uint8_t Flags = StartSilent | StartIfIdle;
        if (Settings.StartOnWakeUpOnlyIfWasRunning)
          Flags |= StartIfPaused;
        Planner.Start(Flags);
      }
      break;
    default:
      break;
  }
}
