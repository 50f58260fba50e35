#pragma once

#include "platform/uExecutionState.h"
#include "platform/uSystemVersion.h"

// Keeps the system awake while the planner runs, when the user asks for it. The main window
// prevents sleep when the planner starts and allows it when it stops; the options dialog does
// either at once when the setting changes while the planner runs. Execution states belong to a
// thread, so both are called on the GUI thread only.
class TSleepPrevention {
 public:
  TSleepPrevention(TExecutionState& ExecutionState, const TSystemVersion& SystemVersion)
      : FExecutionState(ExecutionState), FSystemVersion(SystemVersion) {}

  // Asks the system to stay awake; remembered when the system agreed. False on systems before
  // XP, which lack the call, and when it failed.
  bool PreventSystemSleep();
  // Withdraws the request, only when one is in force; false when there was none or the call
  // failed (the request is then still remembered).
  bool AllowSystemSleep();
  bool Preventing() const { return FPreventing; }

 private:
  bool Supported() const;

  TExecutionState& FExecutionState;
  const TSystemVersion& FSystemVersion;
  bool FPreventing = false;
};
