#pragma once

// Resources of the About box (aboutform.rc).
#define IDD_ABOUT 400
#define IDC_ABOUT_ICON 401
#define IDC_ABOUT_PRODUCT 402
#define IDC_ABOUT_VERSION 403
#define IDC_ABOUT_DATE 404
#define IDC_ABOUT_AUTHOR 405
#define IDC_ABOUT_TEXT 406
