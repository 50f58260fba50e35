#pragma once

#include "core/uResourceStrings.h"

// Texts of the web interface's pages, in the order translators see them.
namespace uwebinterface {
inline constexpr TResString swebinterface{"uwebinterface.swebinterface", "Web Interface"};
inline constexpr TResString sbacktohome{"uwebinterface.sbacktohome", "Back to home page"};
inline constexpr TResString sactions{"uwebinterface.sactions", "Actions"};
inline constexpr TResString sexecute{"uwebinterface.sexecute", "Execute"};
inline constexpr TResString spresets{"uwebinterface.spresets", "Presets"};
inline constexpr TResString sstart{"uwebinterface.sstart", "Start"};
inline constexpr TResString sextra{"uwebinterface.sextra", "Extra"};
inline constexpr TResString sruncommand{"uwebinterface.sruncommand", "Run command"};
inline constexpr TResString skillprocess{"uwebinterface.skillprocess", "Kill process"};
inline constexpr TResString snopresetsfound{"uwebinterface.snopresetsfound", "(no presets found)"};
inline constexpr TResString ssysteminformation{"uwebinterface.ssysteminformation",
                                               "System information"};
inline constexpr TResString sprocessmanagement{"uwebinterface.sprocessmanagement",
                                               "Process management"};
inline constexpr TResString srunningprocesses{"uwebinterface.srunningprocesses",
                                              "Running processes"};
inline constexpr TResString sdesktopscreenshot{"uwebinterface.sdesktopscreenshot",
                                               "Screenshot of the desktop"};
inline constexpr TResString scloseapplication{"uwebinterface.scloseapplication",
                                              "Close the application"};
inline constexpr TResString sloggedinasheader{"uwebinterface.sloggedinasheader", "Logged in as:"};
inline constexpr TResString ssystemuptimeheader{"uwebinterface.ssystemuptimeheader",
                                                "System up time:"};
inline constexpr TResString scpuusageheader{"uwebinterface.scpuusageheader", "CPU usage:"};
inline constexpr TResString sprogramisclosing{"uwebinterface.sprogramisclosing",
                                              "Program is closing."};
inline constexpr TResString sinvalidqueryparameters{"uwebinterface.sinvalidqueryparameters",
                                                    "Invalid query parameters!"};
inline constexpr TResString srequestedexecuteaction{"uwebinterface.srequestedexecuteaction",
                                                    "Requested \"%s\" action to be executed."};
inline constexpr TResString srequestedstartpreset{"uwebinterface.srequestedstartpreset",
                                                  "Requested \"%s\" preset to be started."};
inline constexpr TResString scommandexecutedsuccessfully{
    "uwebinterface.scommandexecutedsuccessfully", "Command executed successfully."};
inline constexpr TResString scommandfailedtoexecute{"uwebinterface.scommandfailedtoexecute",
                                                    "Failed to execute command!"};
inline constexpr TResString skillednumprocesses{"uwebinterface.skillednumprocesses",
                                                "Killed %s processes."};
inline constexpr TResString snomatchingprocesses{"uwebinterface.snomatchingprocesses",
                                                 "No matching processes found!"};
}  // namespace uwebinterface
