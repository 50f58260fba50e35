#pragma once

#include "core/uResourceStrings.h"

// The warning after a wrong protection password.
namespace mainform {
inline constexpr TResString sincorrectpassword{"mainform.sincorrectpassword",
                                               "Incorrect password."};
inline constexpr TResString spleasetryagain{"mainform.spleasetryagain", "Please try again."};
}  // namespace mainform

// The password prompt.
namespace tform_password {
inline constexpr TResString caption{"tform_password.caption", "Protection"};
inline constexpr TResString label_enterpassword{"tform_password.label_enterpassword.caption",
                                                "Enter the password:"};
inline constexpr TResString button_ok{"tform_password.button_ok.caption", "OK"};
inline constexpr TResString button_cancel{"tform_password.button_cancel.caption", "Cancel"};
inline constexpr TResString swindowfailed{"tform_password.swindowfailed",
                                          "The password prompt could not be shown."};
}  // namespace tform_password
