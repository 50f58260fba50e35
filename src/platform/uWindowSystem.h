#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A window handle as portable code carries it; 0 is no window.
using TWindowId = std::uintptr_t;

// A top-level window as enumeration meets it.
struct TTopLevelWindow {
  TWindowId Window = 0;
  bool Visible = false;
  bool ToolWindow = false;  // has the WS_EX_TOOLWINDOW extended style
};

// The top-level windows of the desktop: finding them, reading their titles, posting to them and
// asking them questions.
// Titles come back as at most 255 UTF-16 characters, converted to UTF-8.
class TWindowSystem {
 public:
  virtual ~TWindowSystem() = default;

  // Every top-level window, top of the Z-order first.
  virtual std::vector<TTopLevelWindow> EnumTopLevelWindows() = 0;

  // The three ways of reading a title: WM_GETTEXT sent without a time limit, WM_GETTEXT sent with
  // one (none when the window did not answer in time), and GetWindowTextW.
  virtual std::string SendGetText(TWindowId Window) = 0;
  virtual std::optional<std::string> SendGetTextTimeout(TWindowId Window,
                                                        std::uint32_t TimeoutMs) = 0;
  virtual std::string ReadWindowText(TWindowId Window) = 0;

  // FindWindowW with no class and this exact title; 0 when there is none.
  virtual TWindowId FindWindowByExactTitle(const std::string& Title) = 0;
  // FindWindowW with this class and no title; 0 when there is none.
  virtual TWindowId FindWindowByClass(const std::string& ClassName) = 0;

  virtual bool PostMessage(TWindowId Window, std::uint32_t Msg, std::uintptr_t WParam,
                           std::intptr_t LParam) = 0;
  // SendMessageTimeoutW with SMTO_NORMAL: the window's answer, or none when it did not answer in
  // time or is gone. Only for messages whose arguments are plain numbers.
  virtual std::optional<std::intptr_t> SendMessageTimeout(TWindowId Window, std::uint32_t Msg,
                                                          std::uintptr_t WParam,
                                                          std::intptr_t LParam,
                                                          std::uint32_t TimeoutMs) = 0;
  // The id of the process that made the window; 0 when the window is gone.
  virtual std::uint32_t WindowProcessId(TWindowId Window) = 0;
};
