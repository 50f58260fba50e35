#pragma once

#include "core/uResourceStrings.h"

namespace upresets {
inline constexpr TResString sfailedtoloadpreset{"upresets.sfailedtoloadpreset",
                                                "Failed to load preset"};
inline constexpr TResString sfailedtoloadpresetname{"upresets.sfailedtoloadpresetname",
                                                    "Failed to load preset: %s"};
inline constexpr TResString sfileexistsoverwiteprompt{"upresets.sfileexistsoverwiteprompt",
                                                      "File already exists!\r\nOverwrite it?"};
}  // namespace upresets
