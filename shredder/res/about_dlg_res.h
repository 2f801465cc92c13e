// The About box: the ids its template and its code share.
#pragma once
#define IDD_ABOUT 130
#define IDC_ABOUT_COPYRIGHT 1012
#define IDC_ABOUT_VERSION 1013
#define IDC_ABOUT_VERSION_LABEL 1043
#define IDC_ABOUT_LINK 1041
#define IDC_ABOUT_ICON 1057
