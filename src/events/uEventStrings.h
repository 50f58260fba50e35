#pragma once

#include "core/uResourceStrings.h"

// Texts of the event kinds (their display names are in core/uPlannerEventsStrings.h).
namespace uplannerevents {
// Usage events.
inline constexpr TResString seventabovevaluefornumseconds{
    "uplannerevents.seventabovevaluefornumseconds", "Above %s for %s seconds"};
inline constexpr TResString seventbelowvaluefornumseconds{
    "uplannerevents.seventbelowvaluefornumseconds", "Below %s for %s seconds"};
inline constexpr TResString seventdownloadbelowvaluefornumseconds{
    "uplannerevents.seventdownloadbelowvaluefornumseconds", "Download below %s for %s seconds"};
inline constexpr TResString seventuploadbelowvaluefornumseconds{
    "uplannerevents.seventuploadbelowvaluefornumseconds", "Upload below %s for %s seconds"};
inline constexpr TResString seventreadbelowvaluefornumseconds{
    "uplannerevents.seventreadbelowvaluefornumseconds", "Read below %s for %s seconds"};
inline constexpr TResString seventwritebelowvaluefornumseconds{
    "uplannerevents.seventwritebelowvaluefornumseconds", "Write below %s for %s seconds"};
inline constexpr TResString seventspeedkbpersecond{"uplannerevents.seventspeedkbpersecond", "KB/s"};
inline constexpr TResString seventaverageinbrackets{"uplannerevents.seventaverageinbrackets",
                                                    "(Average)"};
inline constexpr TResString seventusageoutsidefornumseconds{
    "uplannerevents.seventusageoutsidefornumseconds", "Usage %s outside of limit for %s seconds"};
inline constexpr TResString snotabletoloadiphelper{
    "uplannerevents.snotabletoloadiphelper", "Not able to load IP Helper library: iphlpapi.dll"};
inline constexpr TResString scannotgetinterfaceindex{"uplannerevents.scannotgetinterfaceindex",
                                                     "Cannot get index for interface: "};
inline constexpr TResString sfailedtocollectinterfacedata{
    "uplannerevents.sfailedtocollectinterfacedata", "Failed to collect data from interface: "};
inline constexpr TResString sdiskperformancecountersdisabled{
    "uplannerevents.sdiskperformancecountersdisabled", "Disk performance counters are disabled"};
inline constexpr TResString sfailedtogetlogicaldiskinfo{
    "uplannerevents.sfailedtogetlogicaldiskinfo", "Failed to get logical disk information"};
}  // namespace uplannerevents
