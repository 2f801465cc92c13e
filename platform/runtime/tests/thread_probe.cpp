// A DLL that leaves its thread calls on, as the deliverables do. A thread
// that calls ProbeUseThreadData gets a block in the runtime's per-thread
// destructor list (the one the compiler runtime's thread-locals use).
#include <windows.h>

extern "C" int __mingwthr_key_dtor(DWORD key, void (*dtor)(void*));

namespace {

DWORD g_key = TlsAlloc();
volatile LONG g_freed = 0;

void FreeThreadData(void* data) {
    HeapFree(GetProcessHeap(), 0, data);
    InterlockedIncrement(&g_freed);
}

const int g_registered = __mingwthr_key_dtor(g_key, &FreeThreadData);

}  // namespace

extern "C" __declspec(dllexport) void ProbeUseThreadData() {
    if (g_registered == 0 && !TlsGetValue(g_key))
        TlsSetValue(g_key, HeapAlloc(GetProcessHeap(), 0, 64));
}

extern "C" __declspec(dllexport) LONG ProbeFreedCount() { return g_freed; }
