// The "Shred Options" page: the ids its template and its code share.
#pragma once
#define IDD_OPTIONS_PAGE 104
