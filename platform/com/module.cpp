#include "platform/com/module.h"

#include "platform/com/com_ptr.h"
#include "platform/com/text.h"

namespace com {
namespace module {
namespace {

HINSTANCE g_instance = nullptr;
LONG g_objects = 0;
LONG g_locks = 0;

ComPtr<ITypeLib>& TypeLibrary() {
    static ComPtr<ITypeLib> library;
    return library;
}

}  // namespace

void SetInstance(HINSTANCE instance) { g_instance = instance; }
HINSTANCE Instance() { return g_instance; }

std::string Path() {
    char buffer[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(g_instance, buffer, MAX_PATH);
    return std::string(buffer, length);
}

std::string Name() {
    std::string path = Path();
    size_t slash = path.find_last_of("\\/");
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }
void Lock() { InterlockedIncrement(&g_locks); }
void Unlock() { InterlockedDecrement(&g_locks); }
long ObjectCount() { return g_objects; }

HRESULT CanUnloadNow() { return g_objects == 0 && g_locks == 0 ? S_OK : S_FALSE; }

HRESULT TypeInfo(REFIID iid, ITypeInfo** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    ComPtr<ITypeLib>& library = TypeLibrary();
    if (!library) {
        HRESULT hr = LoadTypeLibEx(Widen(Path()).c_str(), REGKIND_NONE, library.put());
        if (FAILED(hr)) return hr;
    }
    return library->GetTypeInfoOfGuid(iid, out);
}

}  // namespace module
}  // namespace com
