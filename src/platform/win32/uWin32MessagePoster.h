#pragma once

#include <functional>

#include "platform/uMessagePoster.h"
#include "platform/win32/uWindows.h"

// Posts to the window that Window names at the moment of posting, so a poster can be made before
// its window exists; while Window gives no window, nothing is posted and the poster says so.
TMessagePoster Win32MessagePoster(std::function<HWND()> Window);
