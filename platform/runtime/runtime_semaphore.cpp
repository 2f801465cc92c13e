// The semaphore behind the compiler runtime's locks (guarded function-local
// statics, the unwinder's frame registry, emulated thread-locals). The
// runtime imports CreateSemaphoreW, which Windows 95, 98 and Me export only
// as a stub that fails: a contended lock would then return an error instead
// of waiting. This file defines the runtime's import slot itself, so the
// linker takes it instead of kernel32's, and the call goes to
// CreateSemaphoreA, which every target system has. The 32-bit deliverables
// then import no CreateSemaphoreW (scripts/check-imports.py refuses it).
#include <windows.h>

#include <string>

namespace {

HANDLE WINAPI CreateSemaphoreAnsi(LPSECURITY_ATTRIBUTES security, LONG initial, LONG maximum,
                                  LPCWSTR name) {
    if (!name) return CreateSemaphoreA(security, initial, maximum, nullptr);
    int size = WideCharToMultiByte(CP_ACP, 0, name, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return nullptr;
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, name, -1, &narrow[0], size, nullptr, nullptr);
    return CreateSemaphoreA(security, initial, maximum, narrow.c_str());
}

}  // namespace

using CreateSemaphoreWCall = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, LONG, LONG, LPCWSTR);

// The import slot the runtime calls through ("__imp_" + the decorated name).
extern "C" {
extern const CreateSemaphoreWCall velmora_runtime_create_semaphore
    __asm__("__imp__CreateSemaphoreW@16");
const CreateSemaphoreWCall velmora_runtime_create_semaphore = &CreateSemaphoreAnsi;
}
