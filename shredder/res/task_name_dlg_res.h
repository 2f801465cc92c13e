// Task-name dialog: the ids its template and its code share.
#pragma once
#define IDD_TASK_NAME 138
#define IDC_TASK_NAME 1006
#define IDC_TASK_PROMPT 1043
