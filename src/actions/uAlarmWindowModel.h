#pragma once

#include <string>

#include "core/uTimer.h"
#include "platform/uLocale.h"
#include "platform/uSoundPlayer.h"

// What the alarm window shows and does, apart from drawing it: the time and date once a second
// with a flash of the window, the alarm sound looping while the window is on screen, and closing
// on Close or Escape. The window itself (alarmform) forwards its events here.
class TAlarmWindowModel {
 public:
  class TView {
   public:
    virtual void ShowTime(const std::string& Text) = 0;
    virtual void ShowDate(const std::string& Text) = 0;
    // Draws attention in the task bar once more.
    virtual void Flash() = 0;
    virtual void CloseWindow() = 0;

   protected:
    ~TView() = default;
  };

  // The program's WAVE resource that rings.
  static constexpr char kSoundName[] = "Alarm";
  static constexpr char kSoundType[] = "WAVE";

  TAlarmWindowModel(TEventLoop& Loop, TLocale& Locale, TSoundPlayer& Sound, TView& View);
  // A window that goes without being hidden (an error while it was open) stops its sound too.
  ~TAlarmWindowModel();
  TAlarmWindowModel(const TAlarmWindowModel&) = delete;
  TAlarmWindowModel& operator=(const TAlarmWindowModel&) = delete;

  // The window is on screen: the clock runs and the sound rings.
  void Shown();
  // The window has gone: the clock stops and so does the sound.
  void Hidden();

  void ClosePressed() { FView.CloseWindow(); }
  void EscapePressed() { FView.CloseWindow(); }

 private:
  void Update();

  TEventLoop& FLoop;
  TLocale& FLocale;
  TSoundPlayer& FSound;
  TView& FView;
  TTimerEx FTimer_DateTime;
  bool FRinging = false;
};
