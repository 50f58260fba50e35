#pragma once

#include "core/uResourceStrings.h"

// Texts of the About box.
namespace tform_about {
inline constexpr TResString caption{"tform_about.caption", "About"};
inline constexpr TResString label_version{"tform_about.label_version.caption", "Version:"};
inline constexpr TResString label_date{"tform_about.label_date.caption", "Date:"};
inline constexpr TResString label_author{"tform_about.label_author.caption",
                                         "Made by the Kolvane developers at Tulmo"};
inline constexpr TResString button_ok{"tform_about.button_ok.caption", "OK"};
inline constexpr TResString memo_text{
    "tform_about.memo_text",
    "Kolvane runs the actions you choose when the events you choose happen: after a "
    "countdown, at a time of day, when the computer is idle or busy, when a window or a program "
    "appears or goes away, when the battery runs low, and more.\r\n\r\n"
    "Right-click the top of this box to copy the version.\r\n\r\n"
    "Kolvane uses the Boost libraries (Boost Software License 1.0) and, for HTTPS, the OpenSSL "
    "libraries installed on the computer (Apache License 2.0)."};
}  // namespace tform_about
