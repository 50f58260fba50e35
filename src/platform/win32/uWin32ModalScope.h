#pragma once

#include <vector>

#include "platform/win32/uWindows.h"

// While a modal window of ours is open, the thread's other windows are disabled, so the user
// answers it first; they are enabled again when the scope ends, the ones that were disabled
// before staying disabled.
class TModalScope {
 public:
  TModalScope();
  ~TModalScope();
  TModalScope(const TModalScope&) = delete;
  TModalScope& operator=(const TModalScope&) = delete;

 private:
  std::vector<HWND> FDisabled;
};
