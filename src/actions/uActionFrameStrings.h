#pragma once

#include "core/uResourceStrings.h"

// Texts of the action kinds' configuration frames, one namespace per frame.

namespace ustrings {
inline constexpr TResString msg_executable_files{"ustrings.msg_executable_files",
                                                 "Executable files"};
}  // namespace ustrings

namespace tform_actionshutdown {
inline constexpr TResString checkbox_force{"tform_actionshutdown.checkbox_force.caption",
                                           "Force applications to close upon shutdown"};
inline constexpr TResString label_note{
    "tform_actionshutdown.label_note.caption",
    "Note: Force option must be used in order to control computer in a locked state!"};
}  // namespace tform_actionshutdown

namespace tform_actionreboot {
inline constexpr TResString checkbox_force{"tform_actionreboot.checkbox_force.caption",
                                           "Force applications to close upon reboot"};
inline constexpr TResString label_note{
    "tform_actionreboot.label_note.caption",
    "Note: Force option must be used in order to control computer in a locked state!"};
}  // namespace tform_actionreboot

namespace tform_actionlogoff {
inline constexpr TResString checkbox_force{"tform_actionlogoff.checkbox_force.caption",
                                           "Force applications to close upon logoff"};
inline constexpr TResString label_note{
    "tform_actionlogoff.label_note.caption",
    "Note: Force option must be used in order to control computer in a locked state!"};
}  // namespace tform_actionlogoff

namespace tform_actionsleep {
inline constexpr TResString cb_disablewakeevent{"tform_actionsleep.cb_disablewakeevent.caption",
                                                "Disable wake event"};
inline constexpr TResString cb_force{"tform_actionsleep.cb_force.caption",
                                     "Force critical suspend state"};
inline constexpr TResString label_hint{"tform_actionsleep.label_hint.caption",
                                       "Note: It is not recommended to use Force option!"};
}  // namespace tform_actionsleep

namespace tform_actionhibernate {
inline constexpr TResString cb_disablewakeevent{"tform_actionhibernate.cb_disablewakeevent.caption",
                                                "Disable wake event"};
inline constexpr TResString cb_force{"tform_actionhibernate.cb_force.caption",
                                     "Force critical suspend state"};
inline constexpr TResString label_hint{"tform_actionhibernate.label_hint.caption",
                                       "Note: It is not recommended to use Force option!"};
}  // namespace tform_actionhibernate

namespace tform_actionmessage {
inline constexpr TResString label_message{"tform_actionmessage.label_message.caption", "Message:"};
inline constexpr TResString label_mins{"tform_actionmessage.label_mins.caption", "mins"};
inline constexpr TResString label_secs{"tform_actionmessage.label_secs.caption", "secs"};
inline constexpr TResString cb_disablecancel{"tform_actionmessage.cb_disablecancel.caption",
                                             "Disable \"Cancel\" button"};
inline constexpr TResString cb_disablerestart{"tform_actionmessage.cb_disablerestart.caption",
                                              "Disable \"Restart\" button"};
inline constexpr TResString cb_disableexit{"tform_actionmessage.cb_disableexit.caption",
                                           "Disable \"Exit\" button"};
inline constexpr TResString cb_minimizeallwindows{
    "tform_actionmessage.cb_minimizeallwindows.caption", "Minimize All"};
inline constexpr TResString cb_stayontop{"tform_actionmessage.cb_stayontop.caption",
                                         "Always on top"};
}  // namespace tform_actionmessage

namespace tform_actionrunprogram {
inline constexpr TResString label_command{"tform_actionrunprogram.label_command.caption",
                                          "Command:"};
inline constexpr TResString sb_selectprogram{"tform_actionrunprogram.sb_selectprogram.caption",
                                             "..."};
inline constexpr TResString label_workingdirectory{
    "tform_actionrunprogram.label_workingdirectory.caption", "Working directory:"};
inline constexpr TResString sb_selectworkingdirectory{
    "tform_actionrunprogram.sb_selectworkingdirectory.caption", "..."};
inline constexpr TResString checkbox_wait{"tform_actionrunprogram.checkbox_wait.caption",
                                          "Wait until execution finishes"};
inline constexpr TResString label_note{
    "tform_actionrunprogram.label_note.caption",
    "Note: You must enquote all parts of your command which contain spaces, for example: "
    "\"c:\\my program.exe\" \"my parameter\"."};
}  // namespace tform_actionrunprogram

namespace tform_actionopenfile {
inline constexpr TResString label_openfile{"tform_actionopenfile.label_openfile.caption",
                                           "Open file:"};
inline constexpr TResString sb_select{"tform_actionopenfile.sb_select.caption", "..."};
inline constexpr TResString label_hint{
    "tform_actionopenfile.label_hint.caption",
    "Hint: A document is opened with the program associated with it, a program is run, and a "
    "web address is opened in the browser. Examples: C:\\Reports\\report.pdf, notepad.exe, "
    "https://www.example.com/"};
}  // namespace tform_actionopenfile

namespace actionopenfileform {
inline constexpr TResString sfilteranyfile{"actionopenfileform.sfilteranyfile", "Any file"};
}  // namespace actionopenfileform

namespace tform_actionclosewindow {
inline constexpr TResString label_windowtitle{"tform_actionclosewindow.label_windowtitle.caption",
                                              "Title of the window:"};
inline constexpr TResString label_hintwildcards{
    "tform_actionclosewindow.label_hintwildcards.caption", "Hint: You can use wildcards: *, ?, []"};
inline constexpr TResString rb_methodclose{"tform_actionclosewindow.rb_methodclose.caption",
                                           "Send CLOSE message (recommended)"};
inline constexpr TResString rb_methodquit{"tform_actionclosewindow.rb_methodquit.caption",
                                          "Send QUIT message (for advanced users)"};
inline constexpr TResString rb_methodkill{"tform_actionclosewindow.rb_methodkill.caption",
                                          "Kill window process (for advanced users)"};
}  // namespace tform_actionclosewindow

namespace tform_actionkillprocess {
inline constexpr TResString label_processname{"tform_actionkillprocess.label_processname.caption",
                                              "Name of the process:"};
}  // namespace tform_actionkillprocess

namespace tform_actionrunpreset {
inline constexpr TResString label_presetname{"tform_actionrunpreset.label_presetname.caption",
                                             "Preset name or file path:"};
inline constexpr TResString checkbox_runinnewinstance{
    "tform_actionrunpreset.checkbox_runinnewinstance.caption", "Run in a new instance"};
inline constexpr TResString checkbox_waitfornewinstancetoexit{
    "tform_actionrunpreset.checkbox_waitfornewinstancetoexit.caption",
    "Wait for the new instance to exit"};
}  // namespace tform_actionrunpreset

namespace tform_actionutilities {
inline constexpr TResString rb_closeapplication{"tform_actionutilities.rb_closeapplication.caption",
                                                "Close application"};
inline constexpr TResString rb_restartevents{"tform_actionutilities.rb_restartevents.caption",
                                             "Restart events"};
inline constexpr TResString rb_pause{"tform_actionutilities.rb_pause.caption", "Pause execution:"};
inline constexpr TResString label_seconds{"tform_actionutilities.label_seconds.caption",
                                          "(seconds)"};
}  // namespace tform_actionutilities

// The display, sound and screenshot actions.
namespace ustrings {
inline constexpr TResString msg_dropped_file_not_scr{"ustrings.msg_dropped_file_not_scr",
                                                     "Dropped file is not a *.scr file!"};
inline constexpr TResString msg_dropped_file_not_wav{"ustrings.msg_dropped_file_not_wav",
                                                     "Dropped file is not a *.wav file!"};
inline constexpr TResString msg_dropped_item_not_directory{
    "ustrings.msg_dropped_item_not_directory", "Dropped item is not a directory!"};
}  // namespace ustrings

namespace tform_actionmonitor {
inline constexpr TResString radiobutton_turnoff{"tform_actionmonitor.radiobutton_turnoff.caption",
                                                "Turn Off"};
inline constexpr TResString radiobutton_turnon{"tform_actionmonitor.radiobutton_turnon.caption",
                                               "Turn On"};
}  // namespace tform_actionmonitor

namespace tform_actionscreensaver {
inline constexpr TResString rb_usesystem{"tform_actionscreensaver.rb_usesystem.caption",
                                         "Use system screen saver"};
inline constexpr TResString rb_usecustom{"tform_actionscreensaver.rb_usecustom.caption",
                                         "Use custom screen saver:"};
inline constexpr TResString sb_browse{"tform_actionscreensaver.sb_browse.caption", "..."};
inline constexpr TResString sb_configure{"tform_actionscreensaver.sb_configure.caption",
                                         "Configure"};
}  // namespace tform_actionscreensaver

namespace actionscreensaverform {
inline constexpr TResString sfilterscreensavers{"actionscreensaverform.sfilterscreensavers",
                                                "Screen savers"};
}  // namespace actionscreensaverform

namespace tform_actionvolume {
inline constexpr TResString label_setmastervolumestate{
    "tform_actionvolume.label_setmastervolumestate.caption", "Set master volume state:"};
inline constexpr TResString radiobutton_mute{"tform_actionvolume.radiobutton_mute.caption", "Mute"};
inline constexpr TResString radiobutton_unmute{"tform_actionvolume.radiobutton_unmute.caption",
                                               "Unmute"};
}  // namespace tform_actionvolume

namespace tform_actionplaysound {
inline constexpr TResString label_path{"tform_actionplaysound.label_path.caption",
                                       "Path to the sound file (*.wav):"};
inline constexpr TResString sb_select{"tform_actionplaysound.sb_select.caption", "..."};
inline constexpr TResString checkbox_wait{"tform_actionplaysound.checkbox_wait.caption",
                                          "Wait until finishes playing"};
}  // namespace tform_actionplaysound

namespace tform_actionscreenshot {
inline constexpr TResString label_path{"tform_actionscreenshot.label_path.caption",
                                       "File or directory for screenshots:"};
inline constexpr TResString sb_browse{"tform_actionscreenshot.sb_browse.caption", "..."};
inline constexpr TResString label_namingschema{"tform_actionscreenshot.label_namingschema.caption",
                                               "Naming schema:"};
inline constexpr TResString radiobutton_specified{
    "tform_actionscreenshot.radiobutton_specified.caption", "Specified file name"};
inline constexpr TResString radiobutton_numeric{
    "tform_actionscreenshot.radiobutton_numeric.caption", "Sequentially numbered files"};
inline constexpr TResString radiobutton_datetime{
    "tform_actionscreenshot.radiobutton_datetime.caption", "Date and time stamped files"};
}  // namespace tform_actionscreenshot

namespace actionscreenshotform {
inline constexpr TResString sselectdirectory{"actionscreenshotform.sselectdirectory",
                                             "Select a directory:"};
}  // namespace actionscreenshotform
