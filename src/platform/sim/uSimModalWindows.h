#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/uModalWindows.h"

// Records what was shown and answers from a script (the countdown running out when there is no
// answer); a hook runs while the window is "open", as a nested message loop would.
class TSimModalWindows : public TModalWindows {
 public:
  TMessageWindowResult ShowMessageWindow(const TMessageWindowOptions& Options) override;

  std::vector<TMessageWindowOptions> Shown;
  std::deque<TMessageWindowResult> Answers;
  std::function<void()> WhileOpen;
};
