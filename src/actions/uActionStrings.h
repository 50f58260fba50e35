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

// Descriptions of the power, session, program and window actions.
namespace uplanneractions {
inline constexpr TResString sactionforce{"uplanneractions.sactionforce", "Force"};
inline constexpr TResString sactionnotforced{"uplanneractions.sactionnotforced", "Not forced"};
inline constexpr TResString sactionforcecritical{"uplanneractions.sactionforcecritical",
                                                 "Force critical"};
inline constexpr TResString sactiondisablewakeevent{"uplanneractions.sactiondisablewakeevent",
                                                    "Disable wake event"};
inline constexpr TResString sactionoptionwait{"uplanneractions.sactionoptionwait", "(wait)"};
inline constexpr TResString sactionclosewindowtitle{"uplanneractions.sactionclosewindowtitle",
                                                    "Close window \"%s\""};
inline constexpr TResString sactionquitwindowtitle{"uplanneractions.sactionquitwindowtitle",
                                                   "Quit window \"%s\""};
inline constexpr TResString sactionkillwindowtitle{"uplanneractions.sactionkillwindowtitle",
                                                   "Kill window \"%s\""};
inline constexpr TResString sactionrunpresetname{"uplanneractions.sactionrunpresetname",
                                                 "Run preset \"%s\""};
inline constexpr TResString sactionoptionnewinstance{"uplanneractions.sactionoptionnewinstance",
                                                     "(new instance)"};
inline constexpr TResString sactionoptionnewinstanceandwait{
    "uplanneractions.sactionoptionnewinstanceandwait", "(new instance and wait)"};
}  // namespace uplanneractions

namespace uactionports {
inline constexpr TResString smachineportmissing{"uactionports.smachineportmissing",
                                                "This action cannot reach the system it acts on."};
}  // namespace uactionports
