#pragma once

#include "platform/win32/uWindows.h"

// Where the program's dialogs open (the arithmetic is in uDialogPlacement.h):
// centred on a visible owner, kept inside that monitor's work area; with no visible owner
// (the program shows only its tray icon) in the bottom-right corner of the work area.
void PlaceDialog(HWND Dialog, HWND Owner);
