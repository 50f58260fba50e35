#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/uUserInput.h"
#include "platform/win32/uWin32Library.h"

// Input on Windows: GetLastInputInfo bound by name on first use, WH_KEYBOARD_LL and WH_MOUSE_LL
// hooks on the calling thread, and the hook library loaded by name and kept for the port's life
// (the program's whole run).
class TWin32UserInput : public TUserInput {
 public:
  TWin32UserInput();
  ~TWin32UserInput() override;

  std::optional<std::uint32_t> LastInputTick() override;
  std::unique_ptr<TInputHook> InstallHook(TInputHookKind Kind,
                                          std::function<void()> OnInput) override;
  THookLibrary* HookLibrary(const std::string& FileName) override;

 private:
  using TGetLastInputInfo = BOOL(WINAPI*)(PLASTINPUTINFO);
  std::unique_ptr<TDynamicLibrary> FUser32;
  TGetLastInputInfo FGetLastInputInfo = nullptr;
  std::map<std::string, std::unique_ptr<THookLibrary>> FLibraries;
};
