// Resource ids of the Wipe page.
#pragma once

#define IDD_WIPE_PAGE               141
