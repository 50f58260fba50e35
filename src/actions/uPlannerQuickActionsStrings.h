#pragma once

#include "core/uResourceStrings.h"

// Names of the quick actions that have no action kind of the same name.
namespace uplannerquickactions {
inline constexpr TResString name_qaction_monitoroff{"uplannerquickactions.name_qaction_monitoroff",
                                                    "Turn Off Monitor"};
inline constexpr TResString name_qaction_volumemute{"uplannerquickactions.name_qaction_volumemute",
                                                    "Mute Volume"};
inline constexpr TResString name_qaction_volumeunmute{
    "uplannerquickactions.name_qaction_volumeunmute", "Unmute Volume"};
}  // namespace uplannerquickactions
