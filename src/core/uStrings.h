#pragma once

#include "core/uResourceStrings.h"

// Texts shared by the planner and the main window.
namespace ustrings {
inline constexpr TResString txt_logic_hint{
    "ustrings.txt_logic_hint",
    "Logic defines the behaviour of events which will cause actions to be triggered.\r\n\r\n"
    "ALL - All events must be in triggered state together, monitored continuously.\r\n"
    "AND - Every event must be triggered once, independently of each other.\r\n"
    "OR - Any event must be triggered once.\r\n"
    "1BY1 - Each event must be triggered once, one after another."};
inline constexpr TResString msg_actions_already_executing{"ustrings.msg_actions_already_executing",
                                                          "Actions are already executing."};
inline constexpr TResString msg_no_events_and_actions{
    "ustrings.msg_no_events_and_actions",
    "Planner cannot be started!\r\n\r\nThere must be at least one event or action."};
inline constexpr TResString msg_planner_failed_terminal{
    "ustrings.msg_planner_failed_terminal",
    "Planner cannot start!\r\n\r\nTerminal action \"%s\" must be last on the list."};
inline constexpr TResString msg_planner_failed_start{
    "ustrings.msg_planner_failed_start",
    "Planner has failed to start due a critical problem:\r\n\r\n%s"};
inline constexpr TResString msg_plannet_cant_operate_while_running{
    "ustrings.msg_plannet_cant_operate_while_running",
    "Cannot perform operation. Planner is running."};
inline constexpr TResString msg_status_triggered{"ustrings.msg_status_triggered", "Triggered"};
inline constexpr TResString msg_status_ready{"ustrings.msg_status_ready", "Ready"};
inline constexpr TResString msg_status_started{"ustrings.msg_status_started", "Started"};
inline constexpr TResString msg_status_stopped{"ustrings.msg_status_stopped", "Stopped"};
inline constexpr TResString msg_status_finished{"ustrings.msg_status_finished", "Finished"};
inline constexpr TResString msg_status_running_for{"ustrings.msg_status_running_for",
                                                   "Running for %s"};
inline constexpr TResString msg_status_monitoring_events{"ustrings.msg_status_monitoring_events",
                                                         "Monitoring %d event(s)"};
inline constexpr TResString msg_balloon_started{"ustrings.msg_balloon_started", "Started"};
inline constexpr TResString msg_balloon_started_text{"ustrings.msg_balloon_started_text",
                                                     "Events have been started."};
inline constexpr TResString msg_balloon_stopped{"ustrings.msg_balloon_stopped", "Stopped"};
inline constexpr TResString msg_balloon_stopped_text{"ustrings.msg_balloon_stopped_text",
                                                     "Events have been stopped."};
inline constexpr TResString msg_balloon_finished{"ustrings.msg_balloon_finished", "Finished"};
inline constexpr TResString msg_balloon_finished_text{"ustrings.msg_balloon_finished_text",
                                                      "Actions have been executed."};
}  // namespace ustrings

// Texts of the main window.
namespace ustrings {
inline constexpr TResString msg_cant_load_preset_planner_running{
    "ustrings.msg_cant_load_preset_planner_running",
    "Cannot load preset while planner is running."};
inline constexpr TResString msg_save_preset_caption{"ustrings.msg_save_preset_caption",
                                                    "Save Preset"};
inline constexpr TResString msg_save_preset_prompt{"ustrings.msg_save_preset_prompt",
                                                   "Please specify a name for the new preset:"};
inline constexpr TResString msg_create_links_to_actions_browse{
    "ustrings.msg_create_links_to_actions_browse", "Place links to actions..."};
inline constexpr TResString msg_create_links_to_presets_browse{
    "ustrings.msg_create_links_to_presets_browse", "Place links to presets..."};
inline constexpr TResString msg_web_interface_disabled{"ustrings.msg_web_interface_disabled",
                                                       "Web Interface is disabled."};
}  // namespace ustrings
