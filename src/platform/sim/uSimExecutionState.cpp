#include "platform/sim/uSimExecutionState.h"

std::optional<std::uint32_t> TSimExecutionState::SetThreadExecutionState(std::uint32_t Flags) {
  if (!FunctionExists)
    return std::nullopt;
  Calls.push_back(Flags);
  if (CallsFail)
    return std::nullopt;
  const std::uint32_t Previous = State;
  State = Flags;
  return Previous;
}
