// The progress window: the ids its template and its code share.
#pragma once
#define IDD_PROGRESS 137
#define IDC_PROGRESS_ITEM 1027
#define IDC_PROGRESS_TOTAL 1014
#define IDC_PROGRESS_FILE 1024
#define IDC_PROGRESS_PASS 1025
#define IDC_PROGRESS_TOTAL_LABEL 1043
