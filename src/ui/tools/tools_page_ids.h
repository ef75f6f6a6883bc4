#pragma once
// Resource and control ids of the tools page (`page_tools`): the group selector, the
// group pages of `pcmuv` and the description box. The frame's own controls are made in
// code with these ids.

#define IDD_TOOLS_UNDELETABLES 2302

#define IDC_BOX_OPERATIONSELECT 2310
#define IDC_BUTTON_SYSTEMDIRS_FIRST 2311  // six buttons, their tags the pages of `pcmuv`
#define IDC_GROUP_INFOABOUTTOOLS 2320
#define IDC_MEMO_INFOABOUTTOOLS 2321

// The group "Törölhetetlenek".
#define IDC_GROUP_UNDELETABLES 2330
#define IDC_BUTTON_VIEWAUTODELFILE 2331
#define IDC_BUTTON_SAVEAUTODELFILE 2332
#define IDC_BUTTON_RUNAUTODELFILE 2333
