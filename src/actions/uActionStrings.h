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

// Descriptions of the Message and Utilities actions.
namespace uplanneractions {
inline constexpr TResString sactionnumseconds{"uplanneractions.sactionnumseconds", "%s seconds"};
inline constexpr TResString sactionnumminutes{"uplanneractions.sactionnumminutes", "%s minutes"};
inline constexpr TResString sactionmessageforperiodoftime{
    "uplanneractions.sactionmessageforperiodoftime", "Message \"%s\" for %s"};
inline constexpr TResString sactionoptionminimizeall{"uplanneractions.sactionoptionminimizeall",
                                                     "(minimize all)"};
inline constexpr TResString sactionoptionontop{"uplanneractions.sactionoptionontop", "(on top)"};
inline constexpr TResString sactionoptionnocancel{"uplanneractions.sactionoptionnocancel",
                                                  "(no cancel)"};
inline constexpr TResString sactionoptionnorestart{"uplanneractions.sactionoptionnorestart",
                                                   "(no restart)"};
inline constexpr TResString sactionoptionnoexit{"uplanneractions.sactionoptionnoexit",
                                                "(no exit)"};
inline constexpr TResString sactioncloseapplication{"uplanneractions.sactioncloseapplication",
                                                    "Close application"};
inline constexpr TResString sactionrestartevents{"uplanneractions.sactionrestartevents",
                                                 "Restart events"};
inline constexpr TResString sactionpausefornumseconds{"uplanneractions.sactionpausefornumseconds",
                                                      "Pause for %s seconds"};
}  // namespace uplanneractions

// The message window.
namespace messageform {
inline constexpr TResString stimeleftseconds{"messageform.stimeleftseconds", "%d seconds"};
inline constexpr TResString stimeleftminssecs{"messageform.stimeleftminssecs", "%d mins %d secs"};
inline constexpr TResString swindowfailed{"messageform.swindowfailed",
                                          "The message window could not be shown."};
}  // namespace messageform

namespace tform_message {
inline constexpr TResString caption{"tform_message.caption", "Message"};
inline constexpr TResString label_timeleftstatic{"tform_message.label_timeleftstatic.caption",
                                                 "Time remaining:"};
inline constexpr TResString bb_restart{"tform_message.bb_restart.caption", "&Restart events"};
inline constexpr TResString bb_cancel{"tform_message.bb_cancel.caption", "&Cancel actions"};
inline constexpr TResString bb_exit{"tform_message.bb_exit.caption", "&Exit application"};
inline constexpr TResString bb_continue{"tform_message.bb_continue.caption", "&OK"};
}  // namespace tform_message
