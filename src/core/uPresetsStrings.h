#pragma once

#include "core/uResourceStrings.h"

namespace upresets {
inline constexpr TResString sfailedtoloadpreset{"upresets.sfailedtoloadpreset",
                                                "Failed to load preset"};
}  // namespace upresets
