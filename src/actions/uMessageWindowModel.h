#pragma once

#include <string>

#include "core/uTimer.h"
#include "platform/uModalWindows.h"

// What the message window shows and does, apart from drawing it: the countdown, the remaining
// time and progress once a second, which buttons are enabled, and the result. The window
// itself (messageform) forwards its events here and shows what it is told.
class TMessageWindowModel {
 public:
  class TView {
   public:
    virtual void ShowTimeLeft(const std::string& Text) = 0;
    virtual void ShowProgress(int Position, int Maximum) = 0;
    virtual void CloseWindow() = 0;

   protected:
    ~TView() = default;
  };

  TMessageWindowModel(TEventLoop& Loop, TView& View);

  // Clears the result, shows the full time and remembers what may be pressed.
  void SetUp(const TMessageWindowOptions& Options);
  // The window is on screen: the countdown starts.
  void Shown();

  void ContinuePressed() { Finish(mwrContinue); }
  void CancelPressed() { Finish(mwrCancel); }
  void RestartPressed() { Finish(mwrRestart); }
  void ExitPressed() { Finish(mwrExit); }
  // Escape cancels only while Cancel is enabled.
  void EscapePressed();
  // The close box: the list goes on, as when the time runs out.
  void ClosePressed() { Finish(mwrTimedOut); }

  TMessageWindowResult Result() const { return FResult; }
  bool CancelEnabled() const { return !FOptions.DisableCancel; }
  bool RestartEnabled() const { return !FOptions.DisableRestart; }
  bool ExitEnabled() const { return !FOptions.DisableExit; }

  // "%d seconds" below a minute, "%d mins %d secs" from a minute on.
  static std::string TimeLeftText(int Seconds);

 private:
  void Tick();
  void Finish(TMessageWindowResult Result);

  TView& FView;
  TMessageWindowOptions FOptions;
  TMessageWindowResult FResult = mwrTimedOut;
  TTimerEx FCountdown;
  TTimerEx FTicker;
};
