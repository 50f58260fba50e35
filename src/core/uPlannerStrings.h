#pragma once

#include "core/uResourceStrings.h"

namespace uplanner {
inline constexpr TResString slogicall{"uplanner.slogicall", "ALL"};
inline constexpr TResString slogicand{"uplanner.slogicand", "AND"};
inline constexpr TResString slogicor{"uplanner.slogicor", "OR"};
inline constexpr TResString slogic1by1{"uplanner.slogic1by1", "1BY1"};
}  // namespace uplanner
