// Resource ids of the Sites page and its Blocking Options dialog.
#pragma once

#define IDD_SITES_PAGE              129
#define IDD_BLOCKING_OPTIONS        133
#define IDR_SITE_MENU               135

#define IDC_SITE_LIST               1002
#define IDC_REMOVE_DEFAULT_SITES    1007
#define IDC_REMOVE_ALL_SITES        1008
#define IDC_HIDE_DEFAULT_SITES      1009
#define IDC_HIDE_ALL_SITES          1010
#define IDC_SHOW_ALL_SITES          1011

#define IDC_OPT_DEFAULTS            1005
#define IDC_OPT_WHOLE_SITE          1006
#define IDC_OPT_IMAGES              1007
#define IDC_OPT_POPUPS              1008
#define IDC_OPT_USER_INFO           1009
#define IDC_OPT_HUB                 1010
#define IDC_OPT_CUSTOM_LABEL        1012

#define ID_SITE_OPTIONS             32772
#define ID_SITE_HIDE                32773
#define ID_SITE_DELETE              32774
