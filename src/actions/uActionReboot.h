#pragma once

#include "actions/uActionSessionEnd.h"

// Restarts the machine.
class TKoActionReboot : public TKoActionSessionEnd {
 public:
  using TKoActionSessionEnd::TKoActionSessionEnd;

 protected:
  void InitIdentity() override;
  TShutdownKind Kind() const override { return TShutdownKind::skReboot; }
  std::string Comment() const override { return "Planned reboot by Kolvane"; }
};
