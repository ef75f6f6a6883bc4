#pragma once
// Resource and control ids of the main window; shared by the code and the .rc files.

// The area of each page over the page control
#define IDD_MAIN_PAGE 201

#define IDC_PC 1001
#define IDC_STATUS 1002
#define IDC_WELCOME 1003
#define IDC_MTESZT 1004
#define IDC_COMPONENTNAMES 1005
#define IDC_MKIT 1006
#define IDC_LABEL_READHELP 1007
#define IDC_MBAT 1008
