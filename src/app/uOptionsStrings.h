#pragma once

#include "core/uResourceStrings.h"

// Texts of the options dialog: its messages, and the captions of the window and its controls.

namespace ustrings {
inline constexpr TResString msg_protection_passwords_dont_match{
    "ustrings.msg_protection_passwords_dont_match", "Protection passwords do not match!"};
inline constexpr TResString msg_web_interface_ip_incorrect{
    "ustrings.msg_web_interface_ip_incorrect", "Web Interface IP address is incorrect!"};
inline constexpr TResString msg_web_interface_port_incorrect{
    "ustrings.msg_web_interface_port_incorrect",
    "Web Interface port must be a number from 1 to 65535!"};
inline constexpr TResString msg_web_interface_check_ip_incorrect{
    "ustrings.msg_web_interface_check_ip_incorrect", "IP address is incorrect!"};
inline constexpr TResString msg_web_interface_check_ip_port_available{
    "ustrings.msg_web_interface_check_ip_port_available",
    "IP address and Port seem to be available."};
inline constexpr TResString msg_web_interface_check_ip_port_taken{
    "ustrings.msg_web_interface_check_ip_port_taken",
    "IP address and Port are taken by another application!"};
inline constexpr TResString txt_hide_tray_icon_warning{
    "ustrings.txt_hide_tray_icon_warning",
    "Once the tray icon is hidden, the only way to access the application is via the main "
    "window. If the main window gets minimized, the application will become inaccessible to the "
    "user!\r\n\r\nYou can terminate the application by ending the corresponding process in the "
    "Task Manager.\r\n\r\nTo restore access to the application, you will need to manually reset "
    "the settings file."};
}  // namespace ustrings

namespace optionsform {
inline constexpr TResString sfailedtoapplysystemsettings{"optionsform.sfailedtoapplysystemsettings",
                                                         "Failed to apply system settings."};
inline constexpr TResString serror{"optionsform.serror", "Error"};
inline constexpr TResString shinttryrunasadministrator{
    "optionsform.shinttryrunasadministrator",
    "(Try to start the program as administrator to apply these settings)"};
inline constexpr TResString swindowfailed{"optionsform.swindowfailed",
                                          "The Options window could not be created."};
}  // namespace optionsform

namespace tform_options {
inline constexpr TResString caption{"tform_options.caption", "Options"};
inline constexpr TResString tabsheet_general{"tform_options.tabsheet_general.caption", "General"};
inline constexpr TResString tabsheet_advanced{"tform_options.tabsheet_advanced.caption",
                                              "Advanced"};
inline constexpr TResString tabsheet_webinterface{"tform_options.tabsheet_webinterface.caption",
                                                  "Web Interface"};
inline constexpr TResString tabsheet_protection{"tform_options.tabsheet_protection.caption",
                                                "Protection"};
inline constexpr TResString bitbtn_save{"tform_options.bitbtn_save.caption", "Save"};
inline constexpr TResString bitbtn_cancel{"tform_options.bitbtn_cancel.caption", "Cancel"};

// General
inline constexpr TResString cb_alwaysontop{"tform_options.cb_alwaysontop.caption",
                                           "Always on top of other windows (requires a restart)"};
inline constexpr TResString cb_autorunallusers{"tform_options.cb_autorunallusers.caption",
                                               "Autorun at Windows startup/logon (all users)"};
inline constexpr TResString cb_autoruncurrentuser{
    "tform_options.cb_autoruncurrentuser.caption",
    "Autorun at Windows startup/logon (current user)"};
inline constexpr TResString cb_saveandloaddefaultpreset{
    "tform_options.cb_saveandloaddefaultpreset.caption",
    "Save events and actions on exit, load on startup"};
inline constexpr TResString cb_increasetablesfontsize{
    "tform_options.cb_increasetablesfontsize.caption",
    "Increase the font size of content in tables"};
inline constexpr TResString checkbox_minimizeoneventsstart{
    "tform_options.checkbox_minimizeoneventsstart.caption",
    "Minimize on start of event monitoring"};
inline constexpr TResString checkbox_minimizeonprogramlaunch{
    "tform_options.checkbox_minimizeonprogramlaunch.caption", "Minimize when application launches"};
inline constexpr TResString checkbox_minimizeoncloseclick{
    "tform_options.checkbox_minimizeoncloseclick.caption", "Minimize when click the close button"};

// Advanced
inline constexpr TResString checkbox_starteventsonprogramlaunch{
    "tform_options.checkbox_starteventsonprogramlaunch.caption",
    "Start event monitoring when application launches"};
inline constexpr TResString cb_preventsystemsleepwhilerunning{
    "tform_options.cb_preventsystemsleepwhilerunning.caption",
    "Prevent system sleep while activated"};
inline constexpr TResString cb_stoponsleep{"tform_options.cb_stoponsleep.caption",
                                           "Stop event monitoring on hibernation/sleep"};
inline constexpr TResString cb_startonwakeup{
    "tform_options.cb_startonwakeup.caption",
    "Start event monitoring on wake up from hibernation/sleep"};
inline constexpr TResString cb_startonwakeuponlyifwasrunning{
    "tform_options.cb_startonwakeuponlyifwasrunning.caption",
    "Only if it was running before hibernation/sleep"};
inline constexpr TResString checkbox_eventstatusintrayiconhint{
    "tform_options.checkbox_eventstatusintrayiconhint.caption",
    "Display event status in the tray icon hint"};
inline constexpr TResString checkbox_eventdetailsintrayiconhint{
    "tform_options.checkbox_eventdetailsintrayiconhint.caption",
    "Display event details in the tray icon hint"};
inline constexpr TResString cb_disabletraymessages{
    "tform_options.cb_disabletraymessages.caption",
    "Disable balloon notification messages at tray icon"};
inline constexpr TResString cb_apponlyoneinstance{
    "tform_options.cb_apponlyoneinstance.caption",
    "Allow only single instance of the application (needs restart)"};
inline constexpr TResString cb_hidetrayicon{"tform_options.cb_hidetrayicon.caption",
                                            "Never show Tray Icon (for advanced users only)"};
inline constexpr TResString sb_hidetrayiconwarning_hint{"tform_options.sb_hidetrayiconwarning.hint",
                                                        "Click to find out more..."};

// Web Interface
inline constexpr TResString cb_webinterfaceenable{"tform_options.cb_webinterfaceenable.caption",
                                                  "Enable"};
inline constexpr TResString label_webinterfaceip{"tform_options.label_webinterfaceip.caption",
                                                 "Listen IP:"};
inline constexpr TResString label_webinterfaceipportdelimiter{
    "tform_options.label_webinterfaceipportdelimiter.caption", " : "};
inline constexpr TResString label_webinterfaceport{"tform_options.label_webinterfaceport.caption",
                                                   "Listen Port:"};
inline constexpr TResString sb_webinterfacecheck{"tform_options.sb_webinterfacecheck.caption", "*"};
inline constexpr TResString sb_webinterfacecheck_hint{"tform_options.sb_webinterfacecheck.hint",
                                                      "Check if Port is not used"};
inline constexpr TResString label_webinterfaceusername{
    "tform_options.label_webinterfaceusername.caption", "Username:"};
inline constexpr TResString label_webinterfacepassword{
    "tform_options.label_webinterfacepassword.caption", "Password:"};
inline constexpr TResString cb_webinterfaceenablehttps{
    "tform_options.cb_webinterfaceenablehttps.caption", "Enable secure communication (HTTPS)"};
inline constexpr TResString cb_webinterfaceallowcmdexec{
    "tform_options.cb_webinterfaceallowcmdexec.caption", "Allow command line execution"};
inline constexpr TResString label_webinterfacewarning{
    "tform_options.label_webinterfacewarning.caption", "Warning:"};
inline constexpr TResString label_webinterfacewarningcredentials{
    "tform_options.label_webinterfacewarningcredentials.caption",
    "Empty or simple username and password may expose your computer to threats!"};

// Protection
inline constexpr TResString cb_protectionenable{"tform_options.cb_protectionenable.caption",
                                                "Enable"};
inline constexpr TResString label_protectionpassword{
    "tform_options.label_protectionpassword.caption", "Password:"};
inline constexpr TResString label_protectionpasswordrepeat{
    "tform_options.label_protectionpasswordrepeat.caption", "Repeat:"};
inline constexpr TResString label_protectionwarning{"tform_options.label_protectionwarning.caption",
                                                    "Warning:"};
inline constexpr TResString label_protectionwarningpassword{
    "tform_options.label_protectionwarningpassword.caption",
    "Only users who know this password will be allowed to control this application."};
}  // namespace tform_options
