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

// Texts of the event kinds: descriptions, status lines and errors.
namespace uplannerevents {
// Window and Process.
inline constexpr TResString seventwindowopenscheckeverynumseconds{
    "uplannerevents.seventwindowopenscheckeverynumseconds", "Opens \"%s\", check every %s seconds"};
inline constexpr TResString seventwindowclosescheckeverynumseconds{
    "uplannerevents.seventwindowclosescheckeverynumseconds",
    "Closes \"%s\", check every %s seconds"};
inline constexpr TResString seventprocessstartscheckeverynumseconds{
    "uplannerevents.seventprocessstartscheckeverynumseconds",
    "Starts \"%s\", check every %s seconds"};
inline constexpr TResString seventprocessstopscheckeverynumseconds{
    "uplannerevents.seventprocessstopscheckeverynumseconds",
    "Stops \"%s\", check every %s seconds"};
inline constexpr TResString seventnotyetchecked{"uplannerevents.seventnotyetchecked",
                                                "Not yet checked"};
inline constexpr TResString seventcheckednumsecondsago{"uplannerevents.seventcheckednumsecondsago",
                                                       "Checked %s seconds ago"};
// File Size.
inline constexpr TResString seventfilereachessize{"uplannerevents.seventfilereachessize",
                                                  "File \"%s\" reaches size %s"};
inline constexpr TResString seventfilecreated{"uplannerevents.seventfilecreated",
                                              "File \"%s\" created"};
inline constexpr TResString seventfilenolongerexists{"uplannerevents.seventfilenolongerexists",
                                                     "File \"%s\" no longer exists"};
inline constexpr TResString seventsizebytes{"uplannerevents.seventsizebytes", "Bytes"};
inline constexpr TResString seventsizekb{"uplannerevents.seventsizekb", "KB"};
inline constexpr TResString seventsizemb{"uplannerevents.seventsizemb", "MB"};
inline constexpr TResString seventsizegb{"uplannerevents.seventsizegb", "GB"};
inline constexpr TResString seventfilesize{"uplannerevents.seventfilesize", "File size: %s"};
inline constexpr TResString seventfilenotfound{"uplannerevents.seventfilenotfound",
                                               "File not found"};
inline constexpr TResString seventfilefound{"uplannerevents.seventfilefound", "File found"};
inline constexpr TResString sunknownfilesizetype{"uplannerevents.sunknownfilesizetype",
                                                 "Unknown file size type: "};
// Winamp Stops.
inline constexpr TResString seventcheckeverynumseconds{"uplannerevents.seventcheckeverynumseconds",
                                                       "Check every %s seconds"};
inline constexpr TResString seventwaitedfor{"uplannerevents.seventwaitedfor", "Waited for %s"};
// Ping Stops.
inline constexpr TResString seventhostdeadfornumseconds{
    "uplannerevents.seventhostdeadfornumseconds",
    "Host \"%s\" not responding for %s seconds, ping interval %s seconds"};
inline constexpr TResString seventresponsetimereceivednumsecondsago{
    "uplannerevents.seventresponsetimereceivednumsecondsago",
    "Response %s received %s seconds ago"};
inline constexpr TResString seventmillisecondsshort{"uplannerevents.seventmillisecondsshort", "ms"};
inline constexpr TResString seventnoresponsefornumseconds{
    "uplannerevents.seventnoresponsefornumseconds", "No response for %s seconds"};
inline constexpr TResString seventportmissing{"uplannerevents.seventportmissing",
                                              "This event cannot reach the system it watches."};
}  // namespace uplannerevents

namespace uping {
inline constexpr TResString sfailedtoloadlibrary{"uping.sfailedtoloadlibrary",
                                                 "Failed to load %s. File might be missing!"};
}  // namespace uping
