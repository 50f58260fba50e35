#include "platform/sim/uSimModalWindows.h"

#include "core/uKoException.h"

TMessageWindowResult TSimModalWindows::ShowMessageWindow(const TMessageWindowOptions& Options) {
  Shown.push_back(Options);
  if (WhileOpen)
    WhileOpen();
  if (Answers.empty())
    return mwrTimedOut;
  const TMessageWindowResult Result = Answers.front();
  Answers.pop_front();
  return Result;
}

void TSimModalWindows::ShowAlarmWindow() {
  if (AlarmFails)
    throw EKoException("The alarm window could not be shown.");
  ++AlarmsShown;
  if (WhileOpen)
    WhileOpen();
}
