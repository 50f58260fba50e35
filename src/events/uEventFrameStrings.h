#pragma once

#include "core/uResourceStrings.h"

// Texts of the event kinds' configuration frames, one namespace per frame.

namespace tform_eventcountdown {
inline constexpr TResString label_hours{"tform_eventcountdown.label_hours.caption", "Hours:"};
inline constexpr TResString label_mins{"tform_eventcountdown.label_mins.caption", "Minutes:"};
inline constexpr TResString label_secs{"tform_eventcountdown.label_secs.caption", "Seconds:"};
}  // namespace tform_eventcountdown

namespace tform_eventontime {
inline constexpr TResString label_hours{"tform_eventontime.label_hours.caption", "Hours:"};
inline constexpr TResString label_mins{"tform_eventontime.label_mins.caption", "Minutes:"};
inline constexpr TResString label_secs{"tform_eventontime.label_secs.caption", "Seconds:"};
inline constexpr TResString checkbox_usedate{"tform_eventontime.checkbox_usedate.caption",
                                             "On a specific day:"};
inline constexpr TResString button_now{"tform_eventontime.button_now.caption", "Now"};
}  // namespace tform_eventontime

namespace tform_eventweekly {
inline constexpr TResString label_hours{"tform_eventweekly.label_hours.caption", "Hours:"};
inline constexpr TResString label_mins{"tform_eventweekly.label_mins.caption", "Minutes:"};
inline constexpr TResString label_secs{"tform_eventweekly.label_secs.caption", "Seconds:"};
inline constexpr TResString button_now{"tform_eventweekly.button_now.caption", "Now"};
}  // namespace tform_eventweekly

namespace tform_eventwinampstops {
inline constexpr TResString label_checkevery{"tform_eventwinampstops.label_checkevery.caption",
                                             "Check every:"};
inline constexpr TResString label_seconds{"tform_eventwinampstops.label_seconds.caption",
                                          "(seconds)"};
}  // namespace tform_eventwinampstops

namespace tform_eventcpuusage {
inline constexpr TResString label_trigger{"tform_eventcpuusage.label_trigger.caption",
                                          "Trigger when usage:"};
inline constexpr TResString rb_below{"tform_eventcpuusage.rb_below.caption", "Below"};
inline constexpr TResString rb_above{"tform_eventcpuusage.rb_above.caption", "Above"};
inline constexpr TResString label_target{"tform_eventcpuusage.label_target.caption",
                                         "Target usage:"};
inline constexpr TResString label_percent{"tform_eventcpuusage.label_percent.caption", "(%)"};
inline constexpr TResString label_duration{"tform_eventcpuusage.label_duration.caption",
                                           "For the duration of:"};
inline constexpr TResString label_seconds{"tform_eventcpuusage.label_seconds.caption", "(seconds)"};
inline constexpr TResString checkbox_average{"tform_eventcpuusage.checkbox_average.caption",
                                             "Use an average measurement"};
}  // namespace tform_eventcpuusage

namespace tform_eventnetworkusage {
inline constexpr TResString label_interface{"tform_eventnetworkusage.label_interface.caption",
                                            "Network Interface:"};
inline constexpr TResString label_usage{"tform_eventnetworkusage.label_usage.caption",
                                        "Usage goes below:"};
inline constexpr TResString label_kbps{"tform_eventnetworkusage.label_kbps.caption", "(KB/s)"};
inline constexpr TResString label_duration{"tform_eventnetworkusage.label_duration.caption",
                                           "For the duration of:"};
inline constexpr TResString label_seconds{"tform_eventnetworkusage.label_seconds.caption",
                                          "(seconds)"};
inline constexpr TResString label_traffic{"tform_eventnetworkusage.label_traffic.caption",
                                          "Traffic:"};
inline constexpr TResString rb_total{"tform_eventnetworkusage.rb_total.caption", "Total"};
inline constexpr TResString rb_download{"tform_eventnetworkusage.rb_download.caption", "Download"};
inline constexpr TResString rb_upload{"tform_eventnetworkusage.rb_upload.caption", "Upload"};
inline constexpr TResString checkbox_average{"tform_eventnetworkusage.checkbox_average.caption",
                                             "Use an average measurement"};
inline constexpr TResString sinterfaceitem{"tform_eventnetworkusage.sinterfaceitem", "[%s] %s"};
}  // namespace tform_eventnetworkusage

namespace tform_eventharddiskusage {
inline constexpr TResString label_usage{"tform_eventharddiskusage.label_usage.caption",
                                        "Usage goes below:"};
inline constexpr TResString label_kbps{"tform_eventharddiskusage.label_kbps.caption", "(KB/s)"};
inline constexpr TResString label_duration{"tform_eventharddiskusage.label_duration.caption",
                                           "For the duration of:"};
inline constexpr TResString label_seconds{"tform_eventharddiskusage.label_seconds.caption",
                                          "(seconds)"};
inline constexpr TResString label_transfer{"tform_eventharddiskusage.label_transfer.caption",
                                           "Transfer:"};
inline constexpr TResString rb_total{"tform_eventharddiskusage.rb_total.caption", "Total"};
inline constexpr TResString rb_read{"tform_eventharddiskusage.rb_read.caption", "Read"};
inline constexpr TResString rb_write{"tform_eventharddiskusage.rb_write.caption", "Write"};
inline constexpr TResString checkbox_average{"tform_eventharddiskusage.checkbox_average.caption",
                                             "Use an average measurement"};
inline constexpr TResString label_note{
    "tform_eventharddiskusage.label_note.caption",
    "Note: This event is supported only on Windows XP and later versions!"};
inline constexpr TResString bb_perfcounterswarning{
    "tform_eventharddiskusage.bb_perfcounterswarning.caption", "Performance counters disabled"};
}  // namespace tform_eventharddiskusage

namespace eventharddiskusageform {
inline constexpr TResString sconfirmenableperformancecounters{
    "eventharddiskusageform.sconfirmenableperformancecounters",
    "Performance counters that are required for this event to work are currently disabled!\r\n"
    "\r\nEnable performance counters?\r\n\r\n"
    "* You may need administrative permissions for this operation!\r\n"
    "* A reboot may be required for changes to take effect!"};
}  // namespace eventharddiskusageform

namespace tform_eventuserinactive {
inline constexpr TResString label_hours{"tform_eventuserinactive.label_hours.caption", "Hours:"};
inline constexpr TResString label_mins{"tform_eventuserinactive.label_mins.caption", "Minutes:"};
inline constexpr TResString label_secs{"tform_eventuserinactive.label_secs.caption", "Seconds:"};
inline constexpr TResString label_method{"tform_eventuserinactive.label_method.caption", "Method:"};
inline constexpr TResString label_hint{
    "tform_eventuserinactive.label_hint.caption",
    "Hint: Event will be triggered after a user has been inactive for the specified period of "
    "time."};
}  // namespace tform_eventuserinactive

namespace tform_eventbattery {
inline constexpr TResString label_trigger{"tform_eventbattery.label_trigger.caption",
                                          "Trigger when conditions are met:"};
inline constexpr TResString checkbox_batterylevel{
    "tform_eventbattery.checkbox_batterylevel.caption", "Battery level:"};
inline constexpr TResString label_percent{"tform_eventbattery.label_percent.caption", "(%)"};
inline constexpr TResString rb_above{"tform_eventbattery.rb_above.caption", "Above"};
inline constexpr TResString rb_below{"tform_eventbattery.rb_below.caption", "Below"};
inline constexpr TResString checkbox_powersupplystate{
    "tform_eventbattery.checkbox_powersupplystate.caption", "Power supply state:"};
inline constexpr TResString rb_online{"tform_eventbattery.rb_online.caption", "Online"};
inline constexpr TResString rb_offline{"tform_eventbattery.rb_offline.caption", "Offline"};
}  // namespace tform_eventbattery

namespace tform_eventwindow {
inline constexpr TResString label_title{"tform_eventwindow.label_title.caption",
                                        "Title of the window:"};
inline constexpr TResString label_hint{"tform_eventwindow.label_hint.caption",
                                       "Hint: You can use wildcards: *, ?, []"};
inline constexpr TResString label_trigger{"tform_eventwindow.label_trigger.caption",
                                          "Trigger when:"};
inline constexpr TResString rb_opens{"tform_eventwindow.rb_opens.caption", "Opens"};
inline constexpr TResString rb_closes{"tform_eventwindow.rb_closes.caption", "Closes"};
inline constexpr TResString label_checkevery{"tform_eventwindow.label_checkevery.caption",
                                             "Check every:"};
inline constexpr TResString label_seconds{"tform_eventwindow.label_seconds.caption", "(seconds)"};
}  // namespace tform_eventwindow

namespace tform_eventprocess {
inline constexpr TResString label_name{"tform_eventprocess.label_name.caption", "Process name:"};
inline constexpr TResString label_trigger{"tform_eventprocess.label_trigger.caption",
                                          "Trigger when:"};
inline constexpr TResString rb_starts{"tform_eventprocess.rb_starts.caption", "Starts"};
inline constexpr TResString rb_stops{"tform_eventprocess.rb_stops.caption", "Stops"};
inline constexpr TResString label_checkevery{"tform_eventprocess.label_checkevery.caption",
                                             "Check every:"};
inline constexpr TResString label_seconds{"tform_eventprocess.label_seconds.caption", "(seconds)"};
}  // namespace tform_eventprocess

namespace tform_eventpingstops {
inline constexpr TResString label_host{"tform_eventpingstops.label_host.caption",
                                       "Host name or IP address of the server:"};
inline constexpr TResString label_triggerperiod{"tform_eventpingstops.label_triggerperiod.caption",
                                                "Trigger when not responding for:"};
inline constexpr TResString label_triggerunit{"tform_eventpingstops.label_triggerunit.caption",
                                              "(s)"};
inline constexpr TResString label_pinginterval{"tform_eventpingstops.label_pinginterval.caption",
                                               "Ping interval:"};
inline constexpr TResString label_intervalunit{"tform_eventpingstops.label_intervalunit.caption",
                                               "(s)"};
}  // namespace tform_eventpingstops

namespace tform_eventfilesize {
inline constexpr TResString label_file{"tform_eventfilesize.label_file.caption",
                                       "Path to the file:"};
inline constexpr TResString sb_select{"tform_eventfilesize.sb_select.caption", "..."};
inline constexpr TResString label_trigger{"tform_eventfilesize.label_trigger.caption",
                                          "Trigger when:"};
inline constexpr TResString rb_size{"tform_eventfilesize.rb_size.caption", "Size reaches:"};
inline constexpr TResString rb_created{"tform_eventfilesize.rb_created.caption", "File is created"};
inline constexpr TResString rb_deleted{"tform_eventfilesize.rb_deleted.caption",
                                       "File no longer exists"};
inline constexpr TResString sunitbytes{"tform_eventfilesize.sunitbytes", "Bytes"};
inline constexpr TResString sunitkb{"tform_eventfilesize.sunitkb", "KB"};
inline constexpr TResString sunitmb{"tform_eventfilesize.sunitmb", "MB"};
inline constexpr TResString sunitgb{"tform_eventfilesize.sunitgb", "GB"};
inline constexpr TResString sfilteranyfiles{"tform_eventfilesize.sfilteranyfiles",
                                            "Any files (*.*)|*.*"};
}  // namespace tform_eventfilesize

namespace tform_eventlid {
inline constexpr TResString label_trigger{"tform_eventlid.label_trigger.caption",
                                          "Trigger when lid:"};
inline constexpr TResString rb_opens{"tform_eventlid.rb_opens.caption", "Opens"};
inline constexpr TResString rb_closes{"tform_eventlid.rb_closes.caption", "Closes"};
inline constexpr TResString label_note{
    "tform_eventlid.label_note.caption",
    "Note: This event is supported only on Windows Vista and later versions!"};
}  // namespace tform_eventlid
