// Resource ids of the Trace page and its context menu.
#pragma once

#define IDD_TRACE_PAGE              143
#define IDR_TRACE_MENU              145

#define IDC_TRACE_SITES             1002
#define IDC_TRACE_ENTRIES           1003
#define IDC_TRACE_REFRESH           1022

#define ID_TRACE_OPEN               32777
#define ID_TRACE_DELETE             32778
#define ID_TRACE_DELETE_ALL         32779
