#pragma once

#include "actions/uActionSessionEnd.h"

// Shuts the machine down and turns it off.
class TKoActionShutdown : public TKoActionSessionEnd {
 public:
  using TKoActionSessionEnd::TKoActionSessionEnd;

 protected:
  void InitIdentity() override;
  TShutdownKind Kind() const override { return TShutdownKind::skShutdown; }
  std::string Comment() const override { return "Planned shutdown by Kolvane"; }
};
