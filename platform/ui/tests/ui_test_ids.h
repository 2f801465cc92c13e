#pragma once
#define IDD_PLAIN 100
#define IDD_FIELDS 101
#define IDD_PAGE1 111
#define IDD_PAGE2 112
#define IDD_PAGE3 113
#define IDC_GO 1001
#define IDC_LABEL 1002
#define IDC_LIST 1003
#define IDC_NAME 1010
#define IDC_NUMBER 1011
#define IDC_FLAG 1012
#define IDC_R1 1013
#define IDC_R2 1014
#define IDC_R3 1015
#define IDC_AFTER 1016
