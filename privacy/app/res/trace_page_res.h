// Resource ids of the Trace page.
#pragma once

#define IDD_TRACE_PAGE              143
