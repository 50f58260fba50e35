#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/uKoException.h"

class TRegistry;

class EPerfCounters : public EKoException {
 public:
  using EKoException::EKoException;
};

// The registry switches that turn performance counters off, all of them or one service's. A
// switch counts as set only when it is a REG_DWORD of exactly 1.
bool IsPerflibCountersDisabled(TRegistry& Registry);
bool IsServiceCountersDisabled(TRegistry& Registry, std::string_view Service);
bool ArePerformanceCountersDisabled(TRegistry& Registry, std::span<const std::string> Services);

// Writes a switch in a key that exists; a missing key, or one that does not open for writing, is
// left alone. Raises EPerfCounters when the key opened but the value could not be written.
void SetPerflibCountersDisabled(TRegistry& Registry, bool Value);
void SetServiceCountersDisabled(TRegistry& Registry, std::string_view Service, bool Value);
// Clears the switch of each service, then the global one.
void EnablePerformanceCounters(TRegistry& Registry, std::span<const std::string> Services);
