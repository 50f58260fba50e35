#include "actions/uWin32ModalWindows.h"

#include "actions/alarmform.h"
#include "actions/messageform.h"

TMessageWindowResult TWin32ModalWindows::ShowMessageWindow(const TMessageWindowOptions& Options) {
  return Dialog_Message(FLoop, Options);
}

void TWin32ModalWindows::ShowAlarmWindow() {
  Dialog_Alarm(FLoop, FLocale, FSound);
}
