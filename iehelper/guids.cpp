// The identifiers of the type library, defined once for the whole library.
#include <windows.h>
#include <initguid.h>

#include "vintabar_h.h"
