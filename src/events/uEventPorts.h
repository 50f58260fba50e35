#pragma once

#include "core/uKoException.h"
#include "core/uResourceStrings.h"
#include "events/uEventStrings.h"

// The machine port an event watches through. A port the application left unset keeps the event
// from starting, with a message, rather than crashing it.
template <typename TPointer>
auto& RequireEventPort(const TPointer& Port) {
  if (!Port)
    throw EKoException(ResStr(uplannerevents::seventportmissing));
  return *Port;
}
