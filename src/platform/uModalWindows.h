#pragma once

#include <cstdint>
#include <string>

// What the Message action shows.
struct TMessageWindowOptions {
  std::string Text;
  int Seconds = 10;  // 0: the window waits for a button
  bool StayOnTop = false;
  bool DisableCancel = false;
  bool DisableRestart = false;
  bool DisableExit = false;
};

// How the message window was closed.
enum TMessageWindowResult : std::uint8_t {
  mwrTimedOut = 0,  // the countdown ran out, or the close box
  mwrCancel = 1,    // cancel the remaining actions
  mwrContinue = 2,  // OK
  mwrRestart = 3,   // restart the events
  mwrExit = 4,      // close the program
};

// The modal windows actions show; each returns when its window has closed, with the windows
// and timers of the program served meanwhile.
class TModalWindows {
 public:
  virtual ~TModalWindows() = default;
  virtual TMessageWindowResult ShowMessageWindow(const TMessageWindowOptions& Options) = 0;
  // The alarm: the time, the date and a looping alarm sound until the user closes it. Raises
  // EKoException when the window cannot be shown.
  virtual void ShowAlarmWindow() = 0;
};
