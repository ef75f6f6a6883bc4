#pragma once
// Resource and control ids of the main window; shared by the code and the .rc files.

#define IDD_PAGE_CLEAN 201
#define IDD_PAGE_FILESEARCH 202
#define IDD_PAGE_TOOLS 203
#define IDD_PAGE_OPTIONS 204
#define IDD_PAGE_HELP 205

#define IDC_PC 1001
#define IDC_STATUS 1002
