// The "Scheduler" page: the ids its template and its code share.
#pragma once
#define IDD_SCHEDULER_PAGE 109
#define IDC_SCHEDULER_GROUP 1043
#define IDC_SCHEDULED_LABEL 1041
#define IDC_TASK_LIST 1011
#define IDC_TASK_PROPERTIES 1036
#define IDC_RUN_NOW 1003
#define IDC_DELETE_TASK 1002
#define IDC_DELETE_ALL 1006
#define IDC_VIEW_LOG 1038
