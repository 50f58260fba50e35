#pragma once

#include <string>

#include "platform/win32/uWindows.h"

// The system's own text for a Windows error code, as UTF-8, without the trailing line break.
std::string Win32ErrorMessage(DWORD Error);
