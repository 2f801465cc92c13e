// The "Shred Drive" page: the ids its template and its code share. The
// wipe choices are the drive options dialog's own ids.
#pragma once
#include "drive_options_dlg_res.h"
#define IDD_DRIVE_PAGE 107
#define IDC_DRIVE_SCHEDULE 1004
#define IDC_DRIVE_LIST 1005
#define IDC_DRIVE_SHRED_NOW 1035
#define IDC_DRIVE_CHOOSE_GROUP 1041
