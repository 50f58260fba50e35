#pragma once

#include "platform/uEventLoop.h"
#include "platform/uLocale.h"
#include "platform/uModalWindows.h"
#include "platform/uSoundPlayer.h"

// The actions' modal windows on Windows.
class TWin32ModalWindows : public TModalWindows {
 public:
  TWin32ModalWindows(TEventLoop& Loop, TLocale& Locale, TSoundPlayer& Sound)
      : FLoop(Loop), FLocale(Locale), FSound(Sound) {}
  TMessageWindowResult ShowMessageWindow(const TMessageWindowOptions& Options) override;
  void ShowAlarmWindow() override;

 private:
  TEventLoop& FLoop;
  TLocale& FLocale;
  TSoundPlayer& FSound;
};
