#pragma once
// Resource and control ids of the options page (`page_options`): the group selector, the
// group pages of `pcoptions` and the description box. The frame's own controls are made
// in code with these ids.

#define IDD_OPTIONS_GENERAL 2402
#define IDD_OPTIONS_AUTORUNS 2403

#define IDC_BOX_OPTIONSELECT 2410
#define IDC_BUTTON_OPTIONGROUP_FIRST 2411  // four buttons, their tags the pages of `pcoptions`
#define IDC_GROUP_INFOABOUTOPTIONS 2420
#define IDC_MEMO_INFOABOUTOPTIONS 2421

// Page 0: the general options, then the three of `box_specialwarningoptions`, in the
// order of integration::GeneralOption.
#define IDC_GROUP_SIMPLEOPTIONS 2430
#define IDC_BOX_SPECIALWARNINGOPTIONS 2431
#define IDC_GENERAL_OPTION_FIRST 2440

// Page 1.
#define IDC_BOX_AUTORUNS 2460
#define IDC_GROUPAUTORUN 2461
#define IDC_CHECK_AUTORUN 2462
#define IDC_LABEL_RUN 2463
#define IDC_EDIT_DAYSOFAUTORUN 2464
#define IDC_LABEL_DAYS 2465
#define IDC_CHECK_QUITPROGRAMWHENAUTORUNDONE 2466
#define IDC_BOXUPDATESEARCHENABLE 2467
#define IDC_CHECK_UPDATESEARCH 2468
#define IDC_LRUN2 2469
#define IDC_EDIT_UPDATESEARCH 2470
#define IDC_LDAY2 2471
#define IDC_LABEL_LASTUPDATEDATE 2472

// Page 3: the protected names.
#define IDD_OPTIONS_PROTECTFILES 2404
#define IDC_BOX_PROTECTFILES 2480
#define IDC_LIST_PROTECTFILES 2481
#define IDC_BUTTON_NEWFILEPROTECT 2482
#define IDC_BUTTON_FILEPROTECTMODIFY 2483
#define IDC_BUTTON_FILEPROTECTDELETE 2484
#define IDC_BUTTON_FILEPROTECTRESET 2485
#define IDM_FILEPROTECTSELECT 2486
#define IDM_FILEPROTECTADD 2487
#define IDM_FILEPROTECTADDFROMCLIPBOARD 2488
