#include "core/uWindowMessenger.h"

#include "core/uCoreStrings.h"

TWindowMessenger::TWindowMessenger(TEventLoop& Loop, TWindowMessageHandler OnWindowMessage)
    : FWindow(Loop.CreateMessageWindow(std::move(OnWindowMessage))) {
  if (!FWindow)
    throw EKoException(ResStr(uwindowmessenger::sfailedtoallocatehandle));
}

bool TWindowMessenger::PostMessage(std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam) {
  return FWindow->Post(Msg, WParam, LParam);
}
