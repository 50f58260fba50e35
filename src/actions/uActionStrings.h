#pragma once

#include "core/uResourceStrings.h"

// Texts of the shared process, window and shell functions.

namespace uprocesslauncher {
inline constexpr TResString sexecutableempty{"uprocesslauncher.sexecutableempty",
                                             "Cannot execute empty command-line"};
inline constexpr TResString sfailedtoexecute{"uprocesslauncher.sfailedtoexecute",
                                             "Failed to execute %s : %d"};
}  // namespace uprocesslauncher

namespace umasks {
inline constexpr TResString sinvalidcharset{"umasks.sinvalidcharset",
                                            "The char set in mask \"%s\" is not valid!"};
}  // namespace umasks

namespace ustrings {
inline constexpr TResString msg_shell_execute_error{
    "ustrings.msg_shell_execute_error",
    "Could not open the following file:\r\n\r\n%s\r\n\r\nError: %s (%d)."};
}  // namespace ustrings
