#pragma once

#include "actions/uActionSessionEnd.h"

// Ends the user's session.
class TKoActionLogoff : public TKoActionSessionEnd {
 public:
  using TKoActionSessionEnd::TKoActionSessionEnd;

 protected:
  void InitIdentity() override;
  TShutdownKind Kind() const override { return TShutdownKind::skLogoff; }
  std::string Comment() const override { return {}; }
};
