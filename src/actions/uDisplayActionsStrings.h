#pragma once

#include "core/uResourceStrings.h"

// Descriptions of the display, sound and screenshot actions.
namespace uplanneractions {
inline constexpr TResString sactionturnoff{"uplanneractions.sactionturnoff", "Turn off"};
inline constexpr TResString sactionturnon{"uplanneractions.sactionturnon", "Turn on"};
inline constexpr TResString sactionusecustomscreensaverpath{
    "uplanneractions.sactionusecustomscreensaverpath", "Use custom: %s"};
inline constexpr TResString sactionusesystemscreensaver{
    "uplanneractions.sactionusesystemscreensaver", "Use system screen saver"};
inline constexpr TResString sactionmutemastervolume{"uplanneractions.sactionmutemastervolume",
                                                    "Mute master volume"};
inline constexpr TResString sactionunmutemastervolume{"uplanneractions.sactionunmutemastervolume",
                                                      "Unmute master volume"};
inline constexpr TResString sactionsaveinpath{"uplanneractions.sactionsaveinpath",
                                              "Save in \"%s\""};
inline constexpr TResString sactionsequentiallynumberedinpath{
    "uplanneractions.sactionsequentiallynumberedinpath", "Sequentially numbered in \"%s\""};
inline constexpr TResString sactiondatetimestampedinpath{
    "uplanneractions.sactiondatetimestampedinpath", "Date and time stamped in \"%s\""};
}  // namespace uplanneractions

// The screen capture shared by the Screenshot action and the web interface.
namespace uscreenshot {
inline constexpr TResString scapturefailed{"uscreenshot.scapturefailed",
                                           "The screen could not be captured."};
inline constexpr TResString sencodefailed{"uscreenshot.sencodefailed",
                                          "The screenshot could not be encoded as %s."};
inline constexpr TResString sfoldermissing{"uscreenshot.sfoldermissing",
                                           "The folder \"%s\" does not exist."};
}  // namespace uscreenshot

// The alarm window.
namespace alarmform {
inline constexpr TResString swindowfailed{"alarmform.swindowfailed",
                                          "The alarm window could not be shown."};
}  // namespace alarmform

namespace tform_alarm {
inline constexpr TResString caption{"tform_alarm.caption", "Alarm"};
inline constexpr TResString bitbtn_close{"tform_alarm.bitbtn_close.caption", "Close"};
}  // namespace tform_alarm
