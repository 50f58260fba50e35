#pragma once

#include "core/uPlannerActions.h"

// Locks the workstation. Locking returns at once, so the actions after it run while the session
// is locked.
class TKoActionLock : public TKoActionObject {
 public:
  using TKoActionObject::TKoActionObject;

 protected:
  void InitIdentity() override;
  bool Execute(TKoActionOutcome& Outcome) override;
};
