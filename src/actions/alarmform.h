#pragma once

#include "platform/uEventLoop.h"
#include "platform/uLocale.h"
#include "platform/uSoundPlayer.h"

// Shows the alarm window modally until the user closes it (the program's other windows are
// disabled meanwhile, while timers and posted messages go on). Raises EKoException when the
// window cannot be made.
void Dialog_Alarm(TEventLoop& Loop, TLocale& Locale, TSoundPlayer& Sound);
