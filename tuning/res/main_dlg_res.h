#pragma once
// Resource ids of the main dialog, the About box and the program's own
// resources (icon, strings, system menu command).
#define IDI_TESSALINE 128
#define IDS_ABOUTBOX 101
#define IDS_WIZARD_CAPTION 103
// The About item of the main dialog's system menu.
#define IDM_ABOUTBOX 0x0010

#define IDD_ABOUTBOX 100
#define IDC_ABOUT_FILE_VERSION 1000
#define IDC_ABOUT_LEGAL 1001
#define IDC_ABOUT_VERSION_LABEL 1090

#define IDD_TESSALINE_DIALOG 102
#define IDC_SET_SETTINGS 1005
#define IDC_INTRODUCTION 1007
#define IDC_HYPERLINK 1027
#define IDC_BUTTONS_GROUP 1029
#define IDC_LANGUAGE_GROUP 1039
#define IDC_LANGUAGES 1044
#define IDC_RESET_SETTINGS 1058
#define IDC_HINT 1060
