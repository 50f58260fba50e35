#pragma once

#include "core/uResourceStrings.h"

// Display names of the event kinds, in the order of the kind list, and the texts of the kinds.
namespace uplannerevents {
inline constexpr TResString name_event_countdown{"uplannerevents.name_event_countdown",
                                                 "Countdown"};
inline constexpr TResString name_event_ontime{"uplannerevents.name_event_ontime", "On Time"};
inline constexpr TResString name_event_weekly{"uplannerevents.name_event_weekly", "Weekly"};
inline constexpr TResString name_event_winampstops{"uplannerevents.name_event_winampstops",
                                                   "Winamp Stops"};
inline constexpr TResString name_event_cpuusage{"uplannerevents.name_event_cpuusage", "CPU Usage"};
inline constexpr TResString name_event_networkusage{"uplannerevents.name_event_networkusage",
                                                    "Network Usage"};
inline constexpr TResString name_event_harddiskusage{"uplannerevents.name_event_harddiskusage",
                                                     "Hard Disk Usage"};
inline constexpr TResString name_event_userinactive{"uplannerevents.name_event_userinactive",
                                                    "User Inactive"};
inline constexpr TResString name_event_battery{"uplannerevents.name_event_battery", "Battery"};
inline constexpr TResString name_event_window{"uplannerevents.name_event_window", "Window"};
inline constexpr TResString name_event_process{"uplannerevents.name_event_process", "Process"};
inline constexpr TResString name_event_pingstops{"uplannerevents.name_event_pingstops",
                                                 "Ping Stops"};
inline constexpr TResString name_event_filesizelimit{"uplannerevents.name_event_filesizelimit",
                                                     "File Size"};
inline constexpr TResString name_event_lid{"uplannerevents.name_event_lid", "Lid"};

// Time events.
inline constexpr TResString seventwaittime{"uplannerevents.seventwaittime", "Wait %s"};
inline constexpr TResString seventtimeleft{"uplannerevents.seventtimeleft", "Time left: %s"};
inline constexpr TResString seventattime{"uplannerevents.seventattime", "At %s"};
inline constexpr TResString seventattimeanddate{"uplannerevents.seventattimeanddate", "At %s %s"};
inline constexpr TResString sweekdaylongmon{"uplannerevents.sweekdaylongmon", "Monday"};
inline constexpr TResString sweekdaylongtue{"uplannerevents.sweekdaylongtue", "Tuesday"};
inline constexpr TResString sweekdaylongwed{"uplannerevents.sweekdaylongwed", "Wednesday"};
inline constexpr TResString sweekdaylongthu{"uplannerevents.sweekdaylongthu", "Thursday"};
inline constexpr TResString sweekdaylongfri{"uplannerevents.sweekdaylongfri", "Friday"};
inline constexpr TResString sweekdaylongsat{"uplannerevents.sweekdaylongsat", "Saturday"};
inline constexpr TResString sweekdaylongsun{"uplannerevents.sweekdaylongsun", "Sunday"};
}  // namespace uplannerevents
