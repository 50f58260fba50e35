#pragma once

#include "platform/uWindowSystem.h"

class TSimMachine;

// The simulated machine's top-level windows. A window that is posted WM_CLOSE or WM_QUIT goes
// away, as a well-behaved one does.
class TSimWindowSystem : public TWindowSystem {
 public:
  explicit TSimWindowSystem(TSimMachine& Machine) : FMachine(Machine) {}

  std::vector<TTopLevelWindow> EnumTopLevelWindows() override;
  std::string SendGetText(TWindowId Window) override;
  std::optional<std::string> SendGetTextTimeout(TWindowId Window, std::uint32_t TimeoutMs) override;
  std::string ReadWindowText(TWindowId Window) override;
  TWindowId FindWindowByExactTitle(const std::string& Title) override;
  TWindowId FindWindowByClass(const std::string& ClassName) override;
  bool PostMessage(TWindowId Window, std::uint32_t Msg, std::uintptr_t WParam,
                   std::intptr_t LParam) override;
  std::optional<std::intptr_t> SendMessageTimeout(TWindowId Window, std::uint32_t Msg,
                                                  std::uintptr_t WParam, std::intptr_t LParam,
                                                  std::uint32_t TimeoutMs) override;
  std::uint32_t WindowProcessId(TWindowId Window) override;

 private:
  TSimMachine& FMachine;
};
