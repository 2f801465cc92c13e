#ifndef HALVANE_RESOURCE_IDS_H
#define HALVANE_RESOURCE_IDS_H
/* Resource, control, command, timer and message numbers of Halvane, shared by
   the program's code and Halvane.rc. Control ids are unique within their own
   dialog only; the same number names different controls on different dialogs.
   The skin controls (IDC_SKIN, IDC_ACTIVEX_SKIN, IDC_FINISH_SKIN) are not in
   the templates: they are created in their dialogs at run time. */

/* Dialog templates */
#define IDD_ABOUTBOX            100
#define IDD_COUNTER             101
#define IDD_POPUP_PAGE          106
#define IDD_OPTIONS_PAGE        107
#define IDD_ACTIVEX_PAGE        108
#define IDD_WIZARD_BROWSERS     113
#define IDD_WIZARD_PROXY        114
#define IDD_WIZARD_PROFILES     115
#define IDD_WIZARD_FINISH       116
#define IDD_TRAY_NOTICE         156

/* String table */
#define IDS_ABOUTBOX            101 /* system menu item "&About ..." */
#define IDS_SOCKETS_INIT_FAILED 103
#define IDS_WIZARD_CAPTION      104

/* Icons */
#define IDI_TRAY_ON             133
#define IDI_TRAY_OFF            136
#define IDI_ZONE_TRUSTED        139
#define IDI_ZONE_INTERNET       140
#define IDI_ZONE_INTRANET       141
#define IDI_ZONE_RESTRICTED     142
#define IDI_HALVANE             143

/* Tray menu (its first submenu) and its commands, in menu order */
#define IDR_TRAY_MENU           130
#define ID_TRAY_SHOW            32771
#define ID_TRAY_ENABLE          32772
#define ID_TRAY_BLOCK_ADS       32779
#define ID_TRAY_SHOW_COUNTER    32777
#define ID_TRAY_CLEAR_COUNTER   32778
#define ID_TRAY_HELP            9
#define ID_TRAY_ABOUT           32780
#define ID_TRAY_EXIT            32775

/* System menu item of the main window */
#define IDM_ABOUTBOX            16

/* Main sheet: the Apply Now button (OK, Cancel and Help are IDOK, IDCANCEL
   and IDHELP) */
#define ID_APPLY_NOW            12321

/* The tray icon's own id */
#define TRAY_ICON_ID            1

/* In dialog text loading, this id stands for the window's own title */
#define IDC_WINDOW_TITLE        8006

/* Skin control of most dialogs; the ActiveX page and the last wizard page
   carry theirs under other ids */
#define IDC_SKIN                1034
#define IDC_ACTIVEX_SKIN        1040
#define IDC_FINISH_SKIN         1068

/* About box: IDOK, texts and the web site button */
#define IDC_ABOUT_TEXT          1005
#define IDC_ABOUT_WEBSITE       1019
#define IDC_ABOUT_FILE_VERSION  1046 /* its text names the version value */
#define IDC_ABOUT_COPYRIGHT     1047 /* likewise */

/* Counter window */
#define IDC_COUNTER_LABEL       1005
#define IDC_COUNTER_COUNT       1013

/* Tray notice: IDOK, the notice and its check box */
#define IDC_NOTICE_DONT_SHOW    1044
#define IDC_NOTICE_TEXT         1045

/* Popups page */
#define IDC_POPUP_ENABLE_CATCH  1000
#define IDC_POPUP_SOUND_ALERT   1001
#define IDC_POPUP_BROWSER_GROUP 1015
#define IDC_POPUP_SET_PROXY     1019
#define IDC_POPUP_RESET_PROXY   1020
#define IDC_POPUP_BANNER_BLOCK  1030
#define IDC_POPUP_WARNING       1033

/* Options page */
#define IDC_OPT_STARTUP_GROUP   1005
#define IDC_OPT_WINDOWS_STARTUP 1006
#define IDC_OPT_MANUAL_START    1007
#define IDC_OPT_IE_STARTUP      1008
#define IDC_OPT_GENERAL_GROUP   1009
#define IDC_OPT_LANGUAGE        1010
#define IDC_OPT_LANGUAGE_GROUP  1015
#define IDC_OPT_TEST_SOUND      1019
#define IDC_OPT_ALWAYS_ON_TOP   1020
#define IDC_OPT_CLOSE_TO_TRAY   1021
#define IDC_OPT_SOUND_GROUP     1027
#define IDC_OPT_SOUND_NAME      1028
#define IDC_OPT_CURRENT_LABEL   1029
#define IDC_OPT_CHANGE_LABEL    1030
#define IDC_OPT_SOUND           1032

/* ActiveX page: the zone box and five policy groups, each with its Enable,
   Disable and Prompt buttons */
#define IDC_AX_ZONE_LABEL       1022
#define IDC_AX_ZONE             1023
#define IDC_AX_NOTE             1074
#define IDC_AX_SIGNED_GROUP     1015 /* 1001 */
#define IDC_AX_SIGNED_ENABLE    1024
#define IDC_AX_SIGNED_DISABLE   1025
#define IDC_AX_SIGNED_PROMPT    1026
#define IDC_AX_UNSIGNED_GROUP   1009 /* 1004 */
#define IDC_AX_UNSIGNED_ENABLE  1030
#define IDC_AX_UNSIGNED_DISABLE 1031
#define IDC_AX_UNSIGNED_PROMPT  1032
#define IDC_AX_UNSAFE_GROUP     1027 /* 1201 */
#define IDC_AX_UNSAFE_ENABLE    1033
#define IDC_AX_UNSAFE_DISABLE   1034
#define IDC_AX_UNSAFE_PROMPT    1035
#define IDC_AX_SAFE_GROUP       1028 /* 1405 */
#define IDC_AX_SAFE_ENABLE      1036
#define IDC_AX_SAFE_DISABLE     1037
#define IDC_AX_SAFE_PROMPT      1038
#define IDC_AX_RUN_GROUP        1029 /* 1200 */
#define IDC_AX_RUN_ENABLE       1043
#define IDC_AX_RUN_DISABLE      1044
#define IDC_AX_RUN_PROMPT       1045
#define IDC_AX_RUN_ADMIN        1046

/* Proxy wizard, page 1: browsers */
#define IDC_BROWSERS_HEADING    1027
#define IDC_BROWSERS_NOTE       1028
#define IDC_BROWSERS_IE         1064
#define IDC_BROWSERS_NETSCAPE   1065
#define IDC_BROWSERS_OPERA      1066

/* Proxy wizard, page 2: connections and Opera versions */
#define IDC_PROXY_CONNECTION_GROUP 1009
#define IDC_PROXY_OPERA_GROUP   1015
#define IDC_PROXY_GREYED_NOTE   1027
#define IDC_PROXY_NOTE          1028
#define IDC_PROXY_LAN           1064
#define IDC_PROXY_CHECK_ALL     1074
#define IDC_PROXY_UNCHECK_ALL   1075
#define IDC_PROXY_CONNECTIONS   1119
#define IDC_PROXY_DIALUP        1120
#define IDC_PROXY_OPERA6        1121
#define IDC_PROXY_OPERA7        1122

/* Proxy wizard, page 3: Netscape profiles */
#define IDC_PROFILES_GREYED_NOTE 1009
#define IDC_PROFILES_HEADING    1015
#define IDC_PROFILES_CHECK_ALL  1074
#define IDC_PROFILES_UNCHECK_ALL 1075
#define IDC_PROFILES_LIST       1125

/* Proxy wizard, page 4: finish */
#define IDC_FINISH_TEXT         1009

/* Timers */
#define TIMER_POPUP_WARNING_BLINK 0    /* Popups page */
#define TIMER_ACTIVEX_NOTE_BLINK  1034 /* ActiveX page */
#define TIMER_COUNTER_SHOWN       8005 /* counter window */
#define TIMER_COUNTER_SLIDE       8014 /* counter window sliding out */
#define TIMER_TITLE_SCAN          8013 /* main window */

/* Private messages the settings pages post to the main window */
#define WM_SOUND_OPTION_CHANGED 8007
#define WM_CATCHING_CHANGED     8008
#define WM_LANGUAGE_CHANGED     8009
#define WM_ON_TOP_CHANGED       8010
#define WM_AD_BLOCKING_CHANGED  8011


#endif
