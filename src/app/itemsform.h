#pragma once

#include <optional>

#include "app/uItemEditor.h"
#include "platform/win32/uWindows.h"

// The item editor's window, shown modally over Owner and centred on it.
//
// Add (Edited is none) or edit (Edited is the selected row) an event (Type itEvent) or an action
// (Type itAction). Returns the row for what the user saved, or none when the user cancelled or
// the edited row's kind is unknown. The editor keeps each frame's values from one opening to
// the next. Raises EKoException for another Type or when the window cannot be made.
std::optional<TItemRow> Dialog_Items(TItemEditor& Editor, HWND Owner, int Type,
                                     const TItemRow* Edited = nullptr);
