#pragma once

#include "platform/uWindowSystem.h"

// EnumWindows, title reads, FindWindowW, PostMessageW, SendMessageTimeoutW and
// GetWindowThreadProcessId.
class TWin32WindowSystem : public TWindowSystem {
 public:
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
};
