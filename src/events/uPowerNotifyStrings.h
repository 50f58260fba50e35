#pragma once

#include "core/uResourceStrings.h"

namespace upowernotify {
inline constexpr TResString spowersettingsnotavailable{
    "upowernotify.spowersettingsnotavailable",
    "Power setting notifications are not available on this platform"};
inline constexpr TResString sfunctionnotfound{"upowernotify.sfunctionnotfound",
                                              "%s function not found."};
inline constexpr TResString sfunctionfailed{"upowernotify.sfunctionfailed",
                                            "%s function failed with error code: %s."};
}  // namespace upowernotify
