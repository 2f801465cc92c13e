// Shred Drive Options dialog: the ids its template and its code share.
#pragma once
#define IDD_DRIVE_OPTIONS 132
#define IDC_DRIVE_FREE_SPACE 1006
#define IDC_DRIVE_WHOLE 1007
#define IDC_DRIVE_AFTER_GROUP 1036
#define IDC_DRIVE_LEAVE 1037
#define IDC_DRIVE_FORMAT 1038
