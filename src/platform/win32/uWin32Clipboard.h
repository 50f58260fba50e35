#pragma once

#include <string>

#include "platform/win32/uWindows.h"

// Puts Text on the clipboard in place of what was there. False when the clipboard is busy or
// refused it.
bool SetClipboardText(HWND Owner, const std::wstring& Text);
