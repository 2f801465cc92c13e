// Resource ids of Corbelt's main window, its accelerator and its strings.
// Plain defines, so the .rc can include this file too.
#pragma once

#define IDD_CORBELT_DIALOG          102
#define IDS_PREVIOUS_INSTANCE       104
#define IDR_MAIN_ACCELERATOR        131

#define IDC_TAB_PLACE               1000
#define IDC_PAGE_PLACE              1001
#define IDC_LANGUAGE                1027
#define IDC_HELP_BUTTON             1028

#define ID_HIDE_TO_TRAY             32771
