#pragma once

#include "platform/win32/uWindows.h"

// Centres Window on Owner (on the work area when Owner is missing, hidden or minimised), kept
// whole inside the work area of the monitor it lands on.
void CentreOnOwner(HWND Window, HWND Owner);
