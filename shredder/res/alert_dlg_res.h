// Alert dialog: the ids its template and its code share.
#pragma once
#define IDD_ALERT 129
#define IDC_ALERT_TEXT 1008
#define IDC_ALERT_DONT_SHOW 1007
