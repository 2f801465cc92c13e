// Resource ids of the skinned demonstration window.
#pragma once

#define IDD_LOOK_DEMO       200
#define IDD_LOOK_DEMO_LIST  201
#define IDD_LOOK_DEMO_TEXT  202
#define IDR_LOOK_DEMO_MENU  203

#define IDC_DEMO_TABS       1000
#define IDC_DEMO_PAGES      1001
#define IDC_DEMO_LANGUAGE   1027
#define IDC_DEMO_HELP       1028
#define IDC_DEMO_LIST       1100
#define IDC_DEMO_REFRESH    1101
#define IDC_DEMO_CLEAR      1102
#define IDC_DEMO_NOTE       1103
#define IDC_DEMO_DISABLED   1104
#define ID_DEMO_REMOVE      1200
#define ID_DEMO_OPEN        1201
