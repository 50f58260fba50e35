#pragma once

// Resource identifiers of the item editor (itemsform.rc). Save is IDOK and Cancel IDCANCEL, so
// Enter and Escape work as the dialog manager has them.
#define IDD_ITEMS 1000
#define IDC_ITEMS_KINDS 1001
#define IDC_ITEMS_CONFIG 1002
#define IDC_ITEMS_NOCONFIG 1003
