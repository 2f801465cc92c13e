// Resource ids of Quarrow's dialogs, menu and icon.
#pragma once

#define IDI_QUARROW             100

#define IDD_MAIN                101
#define IDD_ADD_TASK            102
#define IDD_ABOUT               103
#define IDR_MAIN_MENU           104

// Main form
#define IDC_LIST                1001
#define IDC_DISABLE             1002
#define IDC_REMOVE              1003
#define IDC_RESET               1004
#define IDC_ADD_TASK            1005
#define IDC_PROGRAMS_LABEL      1006
#define IDC_LANGUAGE_LABEL      1007
#define IDC_NOTE                1008
#define IDC_LANGUAGE            1009

// Add-entry dialog
#define IDC_NAME_LABEL          1101
#define IDC_TASK_NAME           1102
#define IDC_ADD_IN_LABEL        1103
#define IDC_ADD_IN              1104
#define IDC_LOCATION_LABEL      1105
#define IDC_LOCATION            1106
#define IDC_BROWSE              1107

// About box
#define IDC_ABOUT_ICON          1201
#define IDC_ABOUT_TITLE         1202
#define IDC_ABOUT_VERSION       1203
#define IDC_ABOUT_DESCRIPTION   1204
#define IDC_ABOUT_DISCLAIMER    1205
#define IDC_SYSINFO             1206

// Menu commands
#define ID_EDIT_AUTOEXEC        40001
#define ID_EDIT_CONFIG          40002
#define ID_EDIT_REGISTRY        40003
#define ID_PROFILE_SAVE         40011
#define ID_PROFILE_LOAD         40012
#define ID_APPLY_RESTART        40021
#define ID_APPLY_LOGOFF         40022
#define ID_APPLY_EXIT           40023
#define ID_APPLY_JUST           40024
#define ID_HELP_INDEX           40031
#define ID_HELP_ABOUT           40032
#define ID_HELP_UPDATE          40033
