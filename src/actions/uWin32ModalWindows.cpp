#include "actions/uWin32ModalWindows.h"

#include "actions/messageform.h"

TMessageWindowResult TWin32ModalWindows::ShowMessageWindow(const TMessageWindowOptions& Options) {
  return Dialog_Message(FLoop, Options);
}
