// Resource ids of the Events page and its two event information dialogs.
#pragma once

#define IDD_EVENTS_PAGE             136
#define IDR_EVENT_MENU              137
#define IDD_EVENT_INFO              139
#define IDD_EVENT_INFO_EX           140

#define IDC_EVENT_LIST              1013
#define IDC_CLEAR_EVENTS            1014
#define IDC_INFO_URL_LABEL          1015
#define IDC_INFO_URL                1016
#define IDC_INFO_COMMAND_LABEL      1017
#define IDC_INFO_COMMAND            1018
#define IDC_INFO_BEFORE_LABEL       1019
#define IDC_INFO_BEFORE             1020
#define IDC_INFO_AFTER_LABEL        1021
#define IDC_INFO_AFTER              1022

#define ID_EVENT_INFORMATION        32775
#define ID_EVENT_DELETE             32776
