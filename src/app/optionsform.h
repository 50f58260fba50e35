#pragma once

#include "app/uOptionsModel.h"
#include "platform/win32/uWindows.h"

// The main window's Options commands. Shows the options dialog modally on Page: centred on
// Owner while Owner is visible, in the bottom-right corner of the work area (next to the tray)
// while it is hidden or null. The program's other windows are disabled meanwhile; timers and
// posted messages go on. Page is left holding the page shown when the dialog closed, so a
// caller that keeps one TOptionsPage reopens the dialog where the user left it.
//
// True when the user saved: Settings hold the new values and they have been applied (web
// interface, tray icon, sleep prevention, table font, autorun). False after Cancel; Settings are
// then untouched, unless an earlier Save got as far as a failed autorun change, which leaves
// the other changes applied. Raises EKoException when the window cannot be made.
bool Dialog_Options(HWND Owner, TOptionsPage& Page, TSettings& Settings,
                    const TOptionsServices& Services);
