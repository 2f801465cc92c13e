// Sub Folder Options dialog: the ids its template and its code share.
#pragma once
#define IDD_SUB_FOLDER_OPTIONS 139
#define IDC_SUBFOLDER_GROUP 1043
#define IDC_SUBFOLDER_NEVER 1002
#define IDC_SUBFOLDER_PROMPT 1003
#define IDC_SUBFOLDER_ALWAYS 1004
#define IDC_REMOVE_GROUP 1029
#define IDC_REMOVE_NEVER 1005
#define IDC_REMOVE_PROMPT 1006
#define IDC_REMOVE_ALWAYS 1007
#define IDC_SUBFOLDER_HELP 9
