#pragma once
// Resource and control ids of the main window; shared by the code and the .rc files.

#define IDD_PAGE_CLEAN 201
#define IDD_PAGE_FILESEARCH 202
#define IDD_PAGE_TOOLS 203
#define IDD_PAGE_OPTIONS 204
#define IDD_PAGE_HELP 205

#define IDC_PC 1001
#define IDC_STATUS 1002
#define IDC_WELCOME 1003
#define IDC_MTESZT 1004
#define IDC_COMPONENTNAMES 1005
#define IDC_MKIT 1006

// Tray menu `pTray`
#define IDM_PROGRAMRESTORE 40001
#define IDM_TRAYCLEAN 40002
#define IDM_TRAYFORMAT 40003
#define IDM_MENUELEMZES 40004
#define IDM_TRAYQUIT 40005

// Popup menu `pMenu` of message 1025
#define IDM_PMENU_SHOW 40011
#define IDM_PMENU_START 40012
#define IDM_PMENU_SELECT 40013
#define IDM_PMENU_CLIPBOARD 40014
#define IDM_PMENU_QUIT 40015
