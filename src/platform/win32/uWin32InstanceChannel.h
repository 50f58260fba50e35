#pragma once

#include <memory>

#include "platform/uInstanceChannel.h"
#include "platform/win32/uWin32Handles.h"

// A named mutex decides who holds a channel (creating it is atomic, so two instances started at
// the same moment cannot both become the first); the holder receives texts as WM_COPYDATA on a
// message-only window titled with the channel name.
class TWin32InstanceChannel : public TInstanceChannel {
 public:
  TWin32InstanceChannel();
  ~TWin32InstanceChannel() override;
  bool Claim(const std::string& Name, TMessageHandler OnMessage) override;
  bool Send(const std::string& Name, const std::string& Text) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept;

  TWindowClass FClass;
  TKernelHandle FMutex;
  TWindowHandle FWindow;
  TMessageHandler FOnMessage;
};
