// The "Shred Folders" page: the ids its template and its code share.
#pragma once
#define IDD_FOLDERS_PAGE 106
#define IDC_FOLDERS_LIST 1010
#define IDC_SUBFOLDER_OPTIONS 1005
