#pragma once

#include "core/uPlannerActions.h"

// Ends every active dial-up connection.
class TKoActionHangUp : public TKoActionObject {
 public:
  using TKoActionObject::TKoActionObject;

 protected:
  void InitIdentity() override;
  bool Execute(TKoActionOutcome& Outcome) override;
};
