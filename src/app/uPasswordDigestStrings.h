#pragma once

#include "core/uResourceStrings.h"

namespace upassworddigest {
inline constexpr TResString sdigestunavailable{
    "upassworddigest.sdigestunavailable",
    "The password cannot be stored because the system could not compute its digest."};
}  // namespace upassworddigest
