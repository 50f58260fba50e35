#pragma once

#include "core/uPlannerActions.h"

// Shows the alarm window, with the time and a looping alarm sound, and waits until the user
// closes it.
class TKoActionAlarm : public TKoActionObject {
 public:
  using TKoActionObject::TKoActionObject;

 protected:
  void InitIdentity() override;
  bool Execute(TKoActionOutcome& Outcome) override;
};
