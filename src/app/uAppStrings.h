#pragma once

#include "core/uResourceStrings.h"

namespace mainform {
inline constexpr TResString sunknownlogicselected{"mainform.sunknownlogicselected",
                                                  "Unknown logic selected: %d"};
}  // namespace mainform
