#pragma once

#include "platform/uEventLoop.h"
#include "platform/uModalWindows.h"

// Shows the message window modally (the program's other windows are disabled meanwhile, while
// timers and posted messages go on) and returns how it was closed. Raises EKoException when the
// window cannot be made.
TMessageWindowResult Dialog_Message(TEventLoop& Loop, const TMessageWindowOptions& Options);
