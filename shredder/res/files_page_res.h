// The "Shred Files" page: the ids its template and its code share.
#pragma once
#define IDD_FILES_PAGE 105
