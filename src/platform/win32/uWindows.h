#pragma once

// The one way Kolvane's Windows code reaches the Windows headers. The headers turn many
// function names into macros (PostMessage -> PostMessageW, CreateEvent -> CreateEventW, ...)
// that would silently rename Kolvane's own operations of the same names, so those macros are
// removed here and Windows code calls the wide functions by their full names.

#include <winsock2.h>
#include <windows.h>

#undef PostMessage
#undef SendMessage
// The common controls' message macros send through SNDMSG; keep them on the wide function.
#undef SNDMSG
#define SNDMSG ::SendMessageW
#undef SendMessageTimeout
#undef CreateEvent
#undef CreateWindow
#undef GetMessage
#undef LoadString
#undef CreateProcess
#undef FindWindow
#undef MessageBox
#undef GetObject
#undef DrawText
#undef Yield
#undef min
#undef max
