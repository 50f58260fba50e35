#pragma once

#include "core/uResourceStrings.h"

// Texts of the inactivity measurements.
namespace utimer {
inline constexpr TResString s_useractivityengine_lastinputinfo{
    "utimer.s_useractivityengine_lastinputinfo", "Last Input Event"};
inline constexpr TResString s_useractivityengine_lowlevelhook{
    "utimer.s_useractivityengine_lowlevelhook", "Low Level Hook"};
inline constexpr TResString s_useractivityengine_injectionhook{
    "utimer.s_useractivityengine_injectionhook", "Injection Hook"};
inline constexpr TResString sfailedtoloadlibrary{"utimer.sfailedtoloadlibrary",
                                                 "Failed to load %s. File might be missing"};
inline constexpr TResString sfunctionnotfoundinlibrary{"utimer.sfunctionnotfoundinlibrary",
                                                       "%s function not found in %s."};
}  // namespace utimer
