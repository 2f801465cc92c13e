// Resource ids of Corbelt's skin: the bitmaps drawn by make_skin.py, the tab
// cursor, the program icon and the two caption buttons. Plain defines, so
// the program's .rc can include this file too.
#pragma once

#define IDI_CORBELT                 128

#define IDB_SKIN_BUTTON_FOCUSED     10000
#define IDB_SKIN_BUTTON_HOVER       10001
#define IDB_SKIN_BUTTON_NORMAL      10002
#define IDB_SKIN_BUTTON_PRESSED     10003
#define IDB_SKIN_BODY               10004
#define IDB_SKIN_BOTTOM             10005
#define IDB_SKIN_BOTTOM_LEFT        10006
#define IDB_SKIN_BOTTOM_RIGHT       10007
#define IDB_SKIN_CAPTION            10008
#define IDB_SKIN_TOP_LEFT           10009
#define IDB_SKIN_TOP_RIGHT          10010
#define IDB_SKIN_LEFT               10011
#define IDB_SKIN_RIGHT              10012
#define IDB_SKIN_CLOSE_FOCUSED      10013
#define IDB_SKIN_CLOSE_NORMAL       10014
#define IDB_SKIN_CLOSE_PRESSED      10015
#define IDB_SKIN_MINIMISE_FOCUSED   10016
#define IDB_SKIN_MINIMISE_NORMAL    10017
#define IDB_SKIN_MINIMISE_PRESSED   10018

#define IDB_TAB_NORMAL              11003
#define IDB_TAB_PRESSED             11004
#define IDC_TAB_CURSOR              11005

#define IDC_SKIN_MINIMISE           15000
#define IDC_SKIN_CLOSE              15001
