// Resource ids of the Wipe page.
#pragma once

#define IDD_WIPE_PAGE               141

#define IDC_WIPE_COOKIES            1013
#define IDC_WIPE_TEMP_FILES         1014
#define IDC_WIPE_RECENT             1015
#define IDC_WIPE_OFFICE_RECENT      1016
#define IDC_WIPE_LABEL              1017
#define IDC_WIPE_RECYCLE_BIN        1018
#define IDC_WIPE_HISTORY            1019
#define IDC_WIPE_CLEAR              1020
