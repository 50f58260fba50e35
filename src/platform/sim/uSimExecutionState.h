#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/uExecutionState.h"

// The thread's execution state as a test sets it up; every call is recorded with its flags.
class TSimExecutionState : public TExecutionState {
 public:
  bool FunctionExists = true;
  bool CallsFail = false;
  std::uint32_t State = kEsContinuous;
  std::vector<std::uint32_t> Calls;  // the flags of every call that reached the system

  std::optional<std::uint32_t> SetThreadExecutionState(std::uint32_t Flags) override;
};
