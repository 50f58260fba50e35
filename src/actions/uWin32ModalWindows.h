#pragma once

#include "platform/uEventLoop.h"
#include "platform/uModalWindows.h"

// The actions' modal windows on Windows.
class TWin32ModalWindows : public TModalWindows {
 public:
  explicit TWin32ModalWindows(TEventLoop& Loop) : FLoop(Loop) {}
  TMessageWindowResult ShowMessageWindow(const TMessageWindowOptions& Options) override;

 private:
  TEventLoop& FLoop;
};
