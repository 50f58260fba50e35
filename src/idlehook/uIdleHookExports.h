#pragma once

#include "platform/win32/uWindows.h"

// The hook library's exports with the calling convention both sides use: the library defines
// them with these types and the program binds them by name with these types.
using TStartHookFunction = void(WINAPI*)();
using TStopHookFunction = void(WINAPI*)();
using TGetCurrentTimeFunction = DWORD(WINAPI*)();
using TGetElapsedTimeFunction = DWORD(WINAPI*)();
using TGetElapsedTimeExFunction = DWORD(WINAPI*)(DWORD StartTime);
