#pragma once

#include "core/uResourceStrings.h"

// Descriptions and statuses of the event kinds (their display names are in
// core/uPlannerEventsStrings.h).
namespace uplannerevents {
// User Inactive.
inline constexpr TResString seventinactivefortimeusingmethod{
    "uplannerevents.seventinactivefortimeusingmethod", "Inactive for %s using %s"};
inline constexpr TResString seventinactivefortime{"uplannerevents.seventinactivefortime",
                                                  "Inactive for %s"};

// Battery.
inline constexpr TResString seventlevelbelowvalue{"uplannerevents.seventlevelbelowvalue",
                                                  "Level below %s"};
inline constexpr TResString seventlevelabovevalue{"uplannerevents.seventlevelabovevalue",
                                                  "Level above %s"};
inline constexpr TResString seventpowersupplyonline{"uplannerevents.seventpowersupplyonline",
                                                    "Power supply online"};
inline constexpr TResString seventpowersupplyoffline{"uplannerevents.seventpowersupplyoffline",
                                                     "Power supply offline"};
inline constexpr TResString seventbatterylevelvalue{"uplannerevents.seventbatterylevelvalue",
                                                    "Battery level: %s"};
inline constexpr TResString seventbatterylevelunknown{"uplannerevents.seventbatterylevelunknown",
                                                      "Battery level is unknown"};

// Lid.
inline constexpr TResString seventcloses{"uplannerevents.seventcloses", "Closes"};
inline constexpr TResString seventopens{"uplannerevents.seventopens", "Opens"};
inline constexpr TResString seventwaiting{"uplannerevents.seventwaiting", "Waiting"};
inline constexpr TResString seventnotworking{"uplannerevents.seventnotworking", "Not working"};
}  // namespace uplannerevents
