#include "actions/uAlarmWindowModel.h"

#include "actions/uSound.h"

TAlarmWindowModel::TAlarmWindowModel(TEventLoop& Loop, TLocale& Locale, TSoundPlayer& Sound,
                                     TView& View)
    : FLoop(Loop), FLocale(Locale), FSound(Sound), FView(View), FTimer_DateTime(Loop) {
  FTimer_DateTime.SetInterval(1000);
  FTimer_DateTime.SetOnTimer([this] { Update(); });
}

TAlarmWindowModel::~TAlarmWindowModel() {
  if (FRinging)
    (void)StopSound(FSound);
}

void TAlarmWindowModel::Shown() {
  FTimer_DateTime.SetEnabled(true);
  // Without its sound the alarm still shows; it is only silent.
  (void)PlaySoundResource(FSound, kSoundName, kSoundType, false, true);
  FRinging = true;
  Update();
}

void TAlarmWindowModel::Hidden() {
  FTimer_DateTime.SetEnabled(false);
  if (FRinging) {
    FRinging = false;
    (void)StopSound(FSound);
  }
}

void TAlarmWindowModel::Update() {
  FView.Flash();
  const TDateTime Now = FLoop.Now();
  FView.ShowTime(FLocale.FormatLongTime(Now));
  FView.ShowDate(FLocale.FormatLongDate(Now));
}
