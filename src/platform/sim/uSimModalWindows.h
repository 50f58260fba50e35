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
  // Counts the alarm in AlarmsShown and runs WhileOpen, as if the user closed it then; raises
  // when AlarmFails, as a window that cannot be made.
  void ShowAlarmWindow() override;

  std::vector<TMessageWindowOptions> Shown;
  int AlarmsShown = 0;
  bool AlarmFails = false;
  std::deque<TMessageWindowResult> Answers;
  std::function<void()> WhileOpen;
};
