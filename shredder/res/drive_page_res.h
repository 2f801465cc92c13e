// The "Shred Drive" page: the ids its template and its code share.
#pragma once
#define IDD_DRIVE_PAGE 107
