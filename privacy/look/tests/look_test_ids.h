// Resource ids of the look tests' dialogs and menu.
#pragma once

#define IDD_SKIN_TEST   300
#define IDD_TEST_PAGE   301
#define IDR_TEST_MENU   302
#define IDR_SHIPPED_ENGLISH 303

#define IDC_TEST_TABS   1000
#define IDC_TEST_LIST   1100
#define IDC_TEST_BUTTON 1101
#define IDC_TEST_COMBO  1102
#define ID_TEST_OPEN    1200
#define ID_TEST_REMOVE  1201
