// The "Shred Recycle Bin" page: the ids its template and its code share.
#pragma once
#define IDD_RECYCLE_PAGE 108
