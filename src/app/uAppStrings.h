#pragma once

#include "core/uResourceStrings.h"

namespace mainform {
inline constexpr TResString sunknownlogicselected{"mainform.sunknownlogicselected",
                                                  "Unknown logic selected: %d"};
}  // namespace mainform

namespace kolvane {
inline constexpr TResString smainwindowfailed{"kolvane.smainwindowfailed",
                                              "The main window could not be created."};
}  // namespace kolvane

namespace uappcommunicator {
inline constexpr TResString smastercannotsend{"uappcommunicator.smastercannotsend",
                                              "Master communicator cannot send messages."};
}  // namespace uappcommunicator

namespace uregistryex {
inline constexpr TResString sfailedtoopenkey{"uregistryex.sfailedtoopenkey",
                                             "Failed to open registry key \"%s\"."};
inline constexpr TResString sfailedtocreatekey{"uregistryex.sfailedtocreatekey",
                                               "Failed to create registry key \"%s\"."};
inline constexpr TResString sfailedtodeletevalue{
    "uregistryex.sfailedtodeletevalue",
    "Failed to delete registry value by name \"%s\" in key \"%s\"."};
}  // namespace uregistryex

namespace mainform {
inline constexpr TResString snostartanotherinstancedetected{
    "mainform.snostartanotherinstancedetected",
    "Cannot start because another running instance has been detected."};
}  // namespace mainform

namespace mainform {
inline constexpr TResString ssavecurrentpresetconfirm{"mainform.ssavecurrentpresetconfirm",
                                                      "Save current preset?"};
inline constexpr TResString screatednumlinks{"mainform.screatednumlinks", "Created %d links."};
inline constexpr TResString swindowhide{"mainform.swindowhide", "Hide"};
inline constexpr TResString swindowrestore{"mainform.swindowrestore", "Restore"};
}  // namespace mainform

namespace uplannerevents {
inline constexpr TResString sevents{"uplannerevents.sevents", "Events"};
}  // namespace uplannerevents

namespace uplanneractions {
inline constexpr TResString sactions{"uplanneractions.sactions", "Actions"};
}  // namespace uplanneractions
