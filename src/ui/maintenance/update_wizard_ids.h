#pragma once
// Control ids of the update wizard.
#define IDD_UPDATE 3100
#define IDC_UPDATE_MEMO1 3101            // memo_update1
#define IDC_UPDATE_MEMO2 3102            // memo_update2
#define IDC_UPDATE_MEMO3 3103            // memo_update3
#define IDC_UPDATE_MEMO4 3104            // memo_update4
#define IDC_UPDATE_MEMO5 3105            // memo_update5
#define IDC_UPDATE_MEMOREG5 3106         // memo_reg5
#define IDC_UPDATE_GAUGE 3107            // Gauge
#define IDC_UPDATE_STATUS 3108           // pStatus
#define IDC_UPDATE_SEARCHUPDATE 3110     // button_searchupdate
#define IDC_UPDATE_CANCEL1 3111          // button_cancel1
#define IDC_UPDATE_OPENPROGRAMSDIR 3112  // button_openprogramsdir
#define IDC_UPDATE_DOWNLOAD 3113         // button_download
#define IDC_UPDATE_CANCEL4 3114          // button_cancel4
#define IDC_UPDATE_RESTART 3115          // button_restart
#define IDC_UPDATE_CANCEL2 3116          // button_cancel2
#define IDC_UPDATE_BACK 3117             // button_back
#define IDC_UPDATE_BUTTON1 3118          // button1, the e-mail to the author
#define IDC_UPDATE_BUTTON2 3119          // button2, the forum
#define IDC_UPDATE_MANUALDOWNLOAD 3120   // button_updatemanualdownload
#define IDC_UPDATE_REDOWNLOAD 3121       // button_updateredownload
#define IDC_UPDATE_CANCEL3 3122          // button_cancel3
