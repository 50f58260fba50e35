#pragma once

#include "core/uResourceStrings.h"

namespace mainform {
inline constexpr TResString sunknownlogicselected{"mainform.sunknownlogicselected",
                                                  "Unknown logic selected: %d"};
}  // namespace mainform

namespace kolvane {
inline constexpr TResString smainwindowfailed{"kolvane.smainwindowfailed",
                                              "The main window could not be created."};
}  // namespace kolvane
