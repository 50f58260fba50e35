#pragma once

#include "core/uResourceStrings.h"

// Captions of the main window's menus, toolbars, columns and panels.
namespace tform_main {
inline constexpr TResString action_start{"tform_main.action_start.caption", "Start"};
inline constexpr TResString action_stop{"tform_main.action_stop.caption", "Stop"};
inline constexpr TResString action_now{"tform_main.action_now.caption", "Now"};
inline constexpr TResString mi_newproject{"tform_main.mi_newproject.caption", "New Project"};
inline constexpr TResString mi_addevent{"tform_main.mi_addevent.caption", "Add Event"};
inline constexpr TResString mi_addaction{"tform_main.mi_addaction.caption", "Add Action"};
inline constexpr TResString action_exit{"tform_main.action_exit.caption", "Exit"};
inline constexpr TResString action_settings{"tform_main.action_settings.caption", "Settings"};
inline constexpr TResString action_settingsgeneral{"tform_main.action_settingsgeneral.caption",
                                                   "General"};
inline constexpr TResString action_settingsadvanced{"tform_main.action_settingsadvanced.caption",
                                                    "Advanced"};
inline constexpr TResString action_settingswebinterface{
    "tform_main.action_settingswebinterface.caption", "Web Interface"};
inline constexpr TResString action_settingsprotection{
    "tform_main.action_settingsprotection.caption", "Protection"};
inline constexpr TResString action_exporttoclipboard{"tform_main.action_exporttoclipboard.caption",
                                                     "Export to Clipboard"};
inline constexpr TResString mi_createlinkstoactions{"tform_main.mi_createlinkstoactions.caption",
                                                    "Create Links to Actions"};
inline constexpr TResString mi_createlinkstopresets{"tform_main.mi_createlinkstopresets.caption",
                                                    "Create Links to Presets"};
inline constexpr TResString action_openwebinterface{"tform_main.action_openwebinterface.caption",
                                                    "Open Web Interface"};
inline constexpr TResString mi_file{"tform_main.mi_file.caption", "File"};
inline constexpr TResString mi_presets{"tform_main.mi_presets.caption", "Presets"};
inline constexpr TResString mi_options{"tform_main.mi_options.caption", "Options"};
inline constexpr TResString mi_language{"tform_main.mi_language.caption", "Language"};
inline constexpr TResString mi_help{"tform_main.mi_help.caption", "Help"};
inline constexpr TResString mi_load{"tform_main.mi_load.caption", "Load"};
inline constexpr TResString mi_save{"tform_main.mi_save.caption", "Save"};
inline constexpr TResString mi_saveas{"tform_main.mi_saveas.caption", "Save As"};
inline constexpr TResString mi_browse{"tform_main.mi_browse.caption", "Browse"};
inline constexpr TResString mi_rescan{"tform_main.mi_rescan.caption", "Rescan"};
inline constexpr TResString mi_history{"tform_main.mi_history.caption", "Version History"};
inline constexpr TResString mi_copyrights{"tform_main.mi_copyrights.caption", "Copyrights"};
inline constexpr TResString mi_about{"tform_main.mi_about.caption", "About"};
inline constexpr TResString mi_listadd{"tform_main.mi_listadd.caption", "Add"};
inline constexpr TResString mi_listaddabove{"tform_main.mi_listaddabove.caption", "Add (above)"};
inline constexpr TResString mi_listaddbelow{"tform_main.mi_listaddbelow.caption", "Add (below)"};
inline constexpr TResString mi_listedit{"tform_main.mi_listedit.caption", "Edit"};
inline constexpr TResString mi_listremove{"tform_main.mi_listremove.caption", "Remove"};
inline constexpr TResString mi_listremoveall{"tform_main.mi_listremoveall.caption", "Remove All"};
inline constexpr TResString mi_listmoveup{"tform_main.mi_listmoveup.caption", "Move Up"};
inline constexpr TResString mi_listmovedown{"tform_main.mi_listmovedown.caption", "Move Down"};
inline constexpr TResString mi_listexport{"tform_main.mi_listexport.caption",
                                          "Export to clipboard"};
inline constexpr TResString mi_trayactions{"tform_main.mi_trayactions.caption", "Actions"};
inline constexpr TResString mi_trayoptions{"tform_main.mi_trayoptions.caption", "Options"};
inline constexpr TResString toolbutton_eventadd{"tform_main.toolbutton_eventadd.caption", "Add"};
inline constexpr TResString toolbutton_eventremove{"tform_main.toolbutton_eventremove.caption",
                                                   "Remove"};
inline constexpr TResString toolbutton_eventup{"tform_main.toolbutton_eventup.caption", "Up"};
inline constexpr TResString toolbutton_eventdown{"tform_main.toolbutton_eventdown.caption", "Down"};
inline constexpr TResString lv_events_column_event{"tform_main.lv_events_column_event.caption",
                                                   "Event"};
inline constexpr TResString lv_events_column_details{"tform_main.lv_events_column_details.caption",
                                                     "Details"};
inline constexpr TResString lv_events_column_status{"tform_main.lv_events_column_status.caption",
                                                    "Status"};
inline constexpr TResString lv_actions_column_action{"tform_main.lv_actions_column_action.caption",
                                                     "Action"};
inline constexpr TResString panel_addevent{"tform_main.panel_addevent.caption",
                                           "Click here to add event"};
inline constexpr TResString panel_addaction{"tform_main.panel_addaction.caption",
                                            "Click here to add action"};
}  // namespace tform_main
