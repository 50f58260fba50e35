#pragma once

// Resource identifiers of the message window (messageform.rc).
#define IDD_MESSAGE 200
#define IDC_MESSAGE_TIMELEFTSTATIC 201
#define IDC_MESSAGE_TIMELEFT 202
#define IDC_MESSAGE_TEXT 203
#define IDC_MESSAGE_PROGRESS 204
#define IDC_MESSAGE_RESTART 205
#define IDC_MESSAGE_CANCEL 206
#define IDC_MESSAGE_EXIT 207
