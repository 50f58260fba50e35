#pragma once

// Resource identifiers of the alarm window (alarmform.rc).
#define IDD_ALARM 300
#define IDC_ALARM_IMAGE 301
#define IDC_ALARM_TIME 302
#define IDC_ALARM_DATE 303
#define IDC_ALARM_CLOSE 304
#define IDB_ALARM 310
