#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

// Milliseconds without input at Now, counted from the later of the last input and Start, all on
// one 32-bit millisecond clock that wraps every 49.7 days. Both spans are taken modulo 2^32, so a
// wrap of the clock between Start, the input and Now does not matter as long as each span is
// shorter than the wrap itself (comparing the raw times would not survive one). Now must be read
// after LastInput, so that an input arriving meanwhile cannot lie in Now's future.
//
// The hook library measures this way for its callers; the simulated library of the native tests
// does too.
constexpr std::uint32_t IdleMilliseconds(std::uint32_t Now, std::uint32_t Start,
                                         std::optional<std::uint32_t> LastInput) {
  const std::uint32_t SinceStart = Now - Start;
  if (!LastInput)
    return SinceStart;
  return std::min(SinceStart, static_cast<std::uint32_t>(Now - *LastInput));
}
