#pragma once

#include "core/uResourceStrings.h"

// Texts of the samplers behind the usage events.
namespace ucircularseries {
inline constexpr TResString slistindexerror{"ucircularseries.slistindexerror",
                                            "List index (%d) out of bounds"};
inline constexpr TResString slistcapacityerror{"ucircularseries.slistcapacityerror",
                                               "List capacity is insufficient"};
inline constexpr TResString slistempty{"ucircularseries.slistempty", "List is empty"};
}  // namespace ucircularseries

namespace ucpuusagedata {
inline constexpr TResString sprocessorobjectnotfound{
    "ucpuusagedata.sprocessorobjectnotfound",
    "Unable to locate the \"Processor\" performance object"};
inline constexpr TResString sprocessortimecounternotfound{
    "ucpuusagedata.sprocessortimecounternotfound",
    "Unable to locate the \"% of CPU usage\" performance counter"};
inline constexpr TResString scpuindexoutofbounds{"ucpuusagedata.scpuindexoutofbounds",
                                                 "CPU index out of bounds"};
inline constexpr TResString sunabletostartmonitoring{"ucpuusagedata.sunabletostartmonitoring",
                                                     "Unable to start performance monitoring"};
inline constexpr TResString sunabletoreaddata{"ucpuusagedata.sunabletoreaddata",
                                              "Unable to read performance data"};
inline constexpr TResString scantgetwindowsversion{"ucpuusagedata.scantgetwindowsversion",
                                                   "Can't get the Windows version"};
inline constexpr TResString smalformedperformancedata{
    "ucpuusagedata.smalformedperformancedata",
    "The performance data of the processors is malformed"};
}  // namespace ucpuusagedata

namespace uperfcounters {
inline constexpr TResString sfailedtosetdata{"uperfcounters.sfailedtosetdata",
                                             "Failed to set data for value \"%s\""};
}  // namespace uperfcounters

namespace uwmi {
inline constexpr TResString swminotavailable{"uwmi.swminotavailable", "WMI is not available"};
inline constexpr TResString swmicallfailed{"uwmi.swmicallfailed", "WMI call %s failed: %s"};
}  // namespace uwmi
