// A DLL whose DllMain does what the deliverables' do with thread calls (it
// leaves them on). Each thread that calls ProbeUseThreadData gets a block
// under a TLS key whose destructor stands in the runtime's per-thread list,
// the list through which the compiler runtime frees a thread's emulated
// thread-locals; ProbeFreedCount tells how many blocks have been freed.
#include <windows.h>

extern "C" int __mingwthr_key_dtor(DWORD key, void (*dtor)(void*));

namespace {

DWORD g_key = TLS_OUT_OF_INDEXES;
volatile LONG g_freed = 0;

void FreeThreadData(void* data) {
    HeapFree(GetProcessHeap(), 0, data);
    InterlockedIncrement(&g_freed);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_key = TlsAlloc();
        return g_key != TLS_OUT_OF_INDEXES && __mingwthr_key_dtor(g_key, &FreeThreadData) == 0;
    }
    return TRUE;
}

extern "C" __declspec(dllexport) void ProbeUseThreadData() {
    if (!TlsGetValue(g_key)) TlsSetValue(g_key, HeapAlloc(GetProcessHeap(), 0, 64));
}

extern "C" __declspec(dllexport) LONG ProbeFreedCount() { return g_freed; }
