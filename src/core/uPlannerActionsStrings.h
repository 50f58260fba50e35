#pragma once

#include "core/uResourceStrings.h"

// Display names of the action kinds, in the order of the kind list, and the texts of the kinds.
namespace uplanneractions {
inline constexpr TResString name_action_shutdown{"uplanneractions.name_action_shutdown",
                                                 "Shutdown"};
inline constexpr TResString name_action_reboot{"uplanneractions.name_action_reboot", "Reboot"};
inline constexpr TResString name_action_logoff{"uplanneractions.name_action_logoff", "Logoff"};
inline constexpr TResString name_action_lock{"uplanneractions.name_action_lock",
                                             "Lock Workstation"};
inline constexpr TResString name_action_sleep{"uplanneractions.name_action_sleep", "Sleep"};
inline constexpr TResString name_action_hibernate{"uplanneractions.name_action_hibernate",
                                                  "Hibernate"};
inline constexpr TResString name_action_monitor{"uplanneractions.name_action_monitor", "Monitor"};
inline constexpr TResString name_action_screensaver{"uplanneractions.name_action_screensaver",
                                                    "Screen Saver"};
inline constexpr TResString name_action_screenshot{"uplanneractions.name_action_screenshot",
                                                   "Screenshot"};
inline constexpr TResString name_action_volume{"uplanneractions.name_action_volume", "Volume"};
inline constexpr TResString name_action_hangup{"uplanneractions.name_action_hangup", "Hang Up"};
inline constexpr TResString name_action_alarm{"uplanneractions.name_action_alarm", "Alarm"};
inline constexpr TResString name_action_message{"uplanneractions.name_action_message", "Message"};
inline constexpr TResString name_action_playsound{"uplanneractions.name_action_playsound",
                                                  "Play Sound"};
inline constexpr TResString name_action_runprogram{"uplanneractions.name_action_runprogram",
                                                   "Run Program"};
inline constexpr TResString name_action_openfile{"uplanneractions.name_action_openfile",
                                                 "Open File"};
inline constexpr TResString name_action_closewindow{"uplanneractions.name_action_closewindow",
                                                    "Close Window"};
inline constexpr TResString name_action_killprocess{"uplanneractions.name_action_killprocess",
                                                    "Kill Process"};
inline constexpr TResString name_action_utilities{"uplanneractions.name_action_utilities",
                                                  "Utilities"};
inline constexpr TResString name_action_runpreset{"uplanneractions.name_action_runpreset",
                                                  "Run Preset"};

inline constexpr TResString sactionstatusstarted{"uplanneractions.sactionstatusstarted", "Started"};
inline constexpr TResString sactionstatusfinished{"uplanneractions.sactionstatusfinished",
                                                  "Finished"};
inline constexpr TResString sactionstatuserror{"uplanneractions.sactionstatuserror", "Error"};
inline constexpr TResString sactionstatuserrordetails{"uplanneractions.sactionstatuserrordetails",
                                                      "Error: %s"};
}  // namespace uplanneractions
