// The "Shred Recycle Bin" page: the ids its template and its code share.
#pragma once
#define IDD_RECYCLE_PAGE 108
#define IDC_RECYCLE_GROUP 1041
#define IDC_RECYCLE_SHRED_NOW 1035
#define IDC_RECYCLE_SCHEDULE 1004
