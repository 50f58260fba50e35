#include "platform/sim/uSimModalWindows.h"

TMessageWindowResult TSimModalWindows::ShowMessageWindow(const TMessageWindowOptions& Options) {
  Shown.push_back(Options);
  if (WhileOpen)
    WhileOpen();
  if (Answers.empty())
    return mwrTimedOut;
  const TMessageWindowResult Result = Answers.front();
  Answers.pop_front();
  return Result;
}
