#pragma once

#include "actions/uActionSuspend.h"

// Puts the machine to sleep.
class TKoActionSleep : public TKoActionSuspend {
 public:
  using TKoActionSuspend::TKoActionSuspend;

 protected:
  void InitIdentity() override;
  bool Hibernate() const override { return false; }
};
