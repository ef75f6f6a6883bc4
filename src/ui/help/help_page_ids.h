#pragma once
// Resource and control ids of the help group `group_help`, on the help page or on the
// welcome screen.

#define IDD_HELP_GROUP 3800

#define IDC_GROUP_HELP 3801
#define IDC_LABEL_CONTENTS 3802
#define IDC_LIST_CONTENTS 3803
#define IDC_LABEL_CONTENTSFONTSIZE 3804
#define IDC_LIST_CONTENTSFONTSIZE 3805
#define IDC_MEMO_HELP2 3806  // made in code: its class depends on the rich-edit library found

// The contact group below the help group, on the help page only.
#define IDC_GROUP_CONTACT 3810
#define IDC_BUTTON_GOTOPROGRAMSWEBPAGE 3811
#define IDC_BUTTON_EMAILTOAUTHOR 3812
#define IDC_BUTTON_WRITETOFORUM 3813
