// Resource ids of the Options page.
#pragma once

#define IDD_SETTINGS_PAGE           144

#define IDC_DEFAULT_IMAGES          1007
#define IDC_DEFAULT_POPUPS          1008
#define IDC_DEFAULT_USER_INFO       1009
#define IDC_DEFAULT_HUB             1010
#define IDC_BROWSER_IE              1015
#define IDC_BROWSER_NETSCAPE        1016
#define IDC_BROWSER_OPERA           1017
#define IDC_BROWSERS_LABEL          1019
#define IDC_DEFAULTS_LABEL          1024
#define IDC_RESELECT_HUB            1025
#define IDC_NOTE_BROWSERS           1029
#define IDC_NOTE_CLOSE              1030
#define IDC_LIVE_UPDATE             1033
