#include "platform/win32/uWin32ExecutionState.h"

#include "platform/win32/uWindows.h"

std::optional<std::uint32_t> TWin32ExecutionState::SetThreadExecutionState(std::uint32_t Flags) {
  using TSetThreadExecutionState = EXECUTION_STATE(WINAPI*)(EXECUTION_STATE);
  HMODULE Kernel = GetModuleHandleW(L"kernel32.dll");
  if (!Kernel)
    return std::nullopt;
  // Through void (*)() because GCC accepts that one cast between unrelated function types.
  const auto Function = reinterpret_cast<TSetThreadExecutionState>(
      reinterpret_cast<void (*)()>(GetProcAddress(Kernel, "SetThreadExecutionState")));
  if (!Function)
    return std::nullopt;
  const EXECUTION_STATE Previous = Function(Flags);
  // Windows reports a failed call as zero.
  if (Previous == 0)
    return std::nullopt;
  return static_cast<std::uint32_t>(Previous);
}
