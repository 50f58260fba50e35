#pragma once

#include <functional>

#include "platform/uUserInput.h"

// Watches every key and mouse event of the desktop through low-level hooks and reports each one.
// Hooks are a process-wide resource: at most one monitor is active in the process at a time, and
// it owns the keyboard and the mouse hook while it is. The hooks deliver on the thread that
// activated the monitor (the GUI thread), through its message loop.
class TInputActivityMonitor {
 public:
  // Inactive, without notification. Input may be unset: activating then installs nothing.
  explicit TInputActivityMonitor(TUserInput* Input);
  ~TInputActivityMonitor();
  TInputActivityMonitor(const TInputActivityMonitor&) = delete;
  TInputActivityMonitor& operator=(const TInputActivityMonitor&) = delete;

  bool Active() const { return FActive; }
  // Raises EKoException "Another input monitor is active." when another monitor holds the hooks.
  // A hook the system refuses is not reported; the monitor then simply hears less.
  void SetActive(bool Value);

  std::function<void(TInputActivityMonitor& Sender, TInputHookKind Kind)> OnActivity;

 private:
  TUserInput* FInput;
  bool FActive = false;
};
