#pragma once

#include <cstdint>
#include <memory>

#include "core/uKoException.h"
#include "platform/uEventLoop.h"

// A hidden top-level window owned by an object: messages posted to it, and broadcasts such as
// power notifications, reach OnWindowMessage on the thread that created it.
class TWindowMessenger {
 public:
  // Raises EKoException when the system cannot make the window.
  TWindowMessenger(TEventLoop& Loop, TWindowMessageHandler OnWindowMessage);
  TWindowMessenger(const TWindowMessenger&) = delete;
  TWindowMessenger& operator=(const TWindowMessenger&) = delete;

  std::uintptr_t Handle() const { return FWindow->Handle(); }

  // The one operation meant for other threads. True when the message was queued.
  [[nodiscard]] bool PostMessage(std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam);

 private:
  std::unique_ptr<TMessageWindow> FWindow;
};
