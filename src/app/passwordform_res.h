#pragma once

// Resource identifiers of the password prompt (passwordform.rc).
#define IDD_PASSWORD 3500
#define IDC_PASSWORD_LABEL 3501
#define IDC_PASSWORD_EDIT 3502
