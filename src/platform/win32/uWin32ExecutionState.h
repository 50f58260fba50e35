#pragma once

#include "platform/uExecutionState.h"

// SetThreadExecutionState, looked up in kernel32 at every call: systems before XP lack it.
class TWin32ExecutionState : public TExecutionState {
 public:
  std::optional<std::uint32_t> SetThreadExecutionState(std::uint32_t Flags) override;
};
