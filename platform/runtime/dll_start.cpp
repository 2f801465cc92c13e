// Every DLL's entry point, ahead of the C runtime's own (cmake/Velmora.cmake
// names it with the linker's --entry).
//
// A DLL must not carry a static TLS directory: Windows 95 refuses to load
// such a DLL at run time (LoadLibrary fails with error 1114), and NT before
// Vista loads it without setting its TLS up. The C runtime's TLS support
// brings one in only because the runtime's DLL start refers to
// __dyn_tls_init_callback; defining it here, empty, keeps that support out
// (the compiler emulates thread-locals with TlsAlloc, which needs no
// directory). What the directory's callbacks did, this entry point does:
// it hands the process's attach and every detach to the runtime's
// per-thread bookkeeping: the attach before the runtime's start for the DLL
// and DllMain see it, detaches after, so static destructors and DllMain
// still find the leaving thread's thread-locals that the bookkeeping then
// frees. A thread's attach is the host's, as it is for those callbacks: the
// bookkeeping would only reset the new thread's floating-point unit to the
// runtime's own precision, under the host's code.
//
// So a DLL with this entry leaves its thread calls on (no
// DisableThreadLibraryCalls): the entry would never see a thread end, and
// every host thread that used the runtime's thread-locals (a C++ exception
// keeps its state in one) would leave that data behind for good.
#include <windows.h>

extern "C" {

// The TLS initialisation the runtime's DLL start calls when it is not null.
extern const PIMAGE_TLS_CALLBACK __dyn_tls_init_callback;
const PIMAGE_TLS_CALLBACK __dyn_tls_init_callback = nullptr;

// The runtime's own: its per-thread destructor list (a cdecl function), and
// the DLL start that runs the static constructors and DllMain.
BOOL __cdecl __mingw_TLScallback(HANDLE module, DWORD reason, LPVOID reserved);
BOOL WINAPI DllMainCRTStartup(HANDLE module, DWORD reason, LPVOID reserved);

BOOL WINAPI VelmoraDllStart(HANDLE module, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) __mingw_TLScallback(module, reason, reserved);
    BOOL result = DllMainCRTStartup(module, reason, reserved);
    if (reason == DLL_THREAD_DETACH || reason == DLL_PROCESS_DETACH)
        __mingw_TLScallback(module, reason, reserved);
    return result;
}

}  // extern "C"
