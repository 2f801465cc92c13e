// The "Shred Folders" page: the ids its template and its code share.
#pragma once
#define IDD_FOLDERS_PAGE 106
