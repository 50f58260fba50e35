#pragma once

#include "actions/uActionSuspend.h"

// Hibernates the machine.
class TKoActionHibernate : public TKoActionSuspend {
 public:
  using TKoActionSuspend::TKoActionSuspend;

 protected:
  void InitIdentity() override;
  bool Hibernate() const override { return true; }
};
