#pragma once
// Control ids of the disk analysis window.
#define IDC_DISKINFO_LIST 2601       // list_disksinfos
#define IDC_DISKINFO_ALLDRIVES 2602  // check_alldriveinfodisplay
#define IDC_DISKINFO_REFRESH 2603    // button_refresh
#define IDC_DISKINFO_OK 2604         // "Rendben"
#define IDC_DISKINFO_GROUP 2605      // "  V i z s g á l a t  "
#define IDD_DISKINFO 2600
