#pragma once

#include "core/uResourceStrings.h"

// Texts of the item editor and of its frame registry.
namespace uplannerframelist {
inline constexpr TResString sframeclassnotcompatible{"uplannerframelist.sframeclassnotcompatible",
                                                     "Frame class \"%s\" is not compatible."};
}  // namespace uplannerframelist

namespace itemsform {
inline constexpr TResString snotsupporteditemtype{"itemsform.snotsupporteditemtype",
                                                  "Not supported item type: %s"};
inline constexpr TResString swindowfailed{"itemsform.swindowfailed",
                                          "The item editor could not be shown."};
}  // namespace itemsform

namespace ustrings {
inline constexpr TResString msg_name_save{"ustrings.msg_name_save", "Save"};
inline constexpr TResString msg_name_add{"ustrings.msg_name_add", "Add"};
inline constexpr TResString msg_edit_action{"ustrings.msg_edit_action", "Edit Action"};
inline constexpr TResString msg_edit_event{"ustrings.msg_edit_event", "Edit Event"};
inline constexpr TResString msg_add_action{"ustrings.msg_add_action", "Add Action"};
inline constexpr TResString msg_add_event{"ustrings.msg_add_event", "Add Event"};
}  // namespace ustrings

namespace tform_items {
inline constexpr TResString groupbox_config{"tform_items.groupbox_config.caption",
                                            "Configuration:"};
inline constexpr TResString label_noconfiguration{"tform_items.label_noconfiguration.caption",
                                                  "(No additional configuration available)"};
inline constexpr TResString bitbtn_cancel{"tform_items.bitbtn_cancel.caption", "Cancel"};
}  // namespace tform_items
