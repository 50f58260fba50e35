#pragma once

#include "core/uKoServices.h"

// Proof that an event or action is being made by its kind's Create, which runs InitIdentity and
// SetDefaults after construction: kinds take it in their constructor and cannot be built any
// other way.
class TKoCreateKey {
 public:
  const TKoServices& Services() const { return FServices; }

 private:
  friend class TKoEventObject;
  friend class TKoActionObject;
  explicit TKoCreateKey(const TKoServices& Services) : FServices(Services) {}
  const TKoServices& FServices;
};
