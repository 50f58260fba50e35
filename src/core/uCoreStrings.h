#pragma once

#include "core/uResourceStrings.h"

namespace uwindowmessenger {
inline constexpr TResString sfailedtoallocatehandle{"uwindowmessenger.sfailedtoallocatehandle",
                                                    "Failed to allocate a new window handle."};
}  // namespace uwindowmessenger
