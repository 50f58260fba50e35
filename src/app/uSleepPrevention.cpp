#include "app/uSleepPrevention.h"

bool TSleepPrevention::Supported() const {
  const TOsVersion Version = FSystemVersion.OsVersion();
  return Version.Major > 5 || (Version.Major == 5 && Version.Minor >= 1);
}

bool TSleepPrevention::PreventSystemSleep() {
  if (!Supported() || !FExecutionState.SetThreadExecutionState(kEsContinuous | kEsSystemRequired))
    return false;
  FPreventing = true;
  return true;
}

bool TSleepPrevention::AllowSystemSleep() {
  if (!FPreventing || !Supported() || !FExecutionState.SetThreadExecutionState(kEsContinuous))
    return false;
  FPreventing = false;
  return true;
}
