#pragma once

#include <cstdint>
#include <optional>

// Execution-state flags of SetThreadExecutionState, as Windows numbers them.
inline constexpr std::uint32_t kEsSystemRequired = 0x00000001;
inline constexpr std::uint32_t kEsContinuous = 0x80000000;

// Whether the system may sleep while the program works: the calling thread's execution state.
class TExecutionState {
 public:
  virtual ~TExecutionState() = default;
  // Sets the calling thread's execution state and returns the previous one; none when the
  // system lacks the function or refused the call.
  virtual std::optional<std::uint32_t> SetThreadExecutionState(std::uint32_t Flags) = 0;
};
