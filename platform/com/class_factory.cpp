#include "platform/com/class_factory.h"
#include "platform/guard/guard.h"

namespace com {

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    return guard::Call("ClassFactory::CreateInstance", E_UNEXPECTED, [&]() -> HRESULT {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return create_(iid, out);
    });
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
    return guard::Call("ClassFactory::LockServer", E_UNEXPECTED, [&]() -> HRESULT {
        if (lock)
            module::Lock();
        else
            module::Unlock();
        return S_OK;
    });
}

HRESULT GetClassObject(const ClassEntry* classes, size_t count, REFCLSID clsid, REFIID iid,
                       void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (size_t i = 0; i < count; ++i) {
        if (!IsEqualCLSID(clsid, *classes[i].clsid)) continue;
        ComPtr<ClassFactory> factory = MakeObject<ClassFactory>(classes[i].create);
        if (!factory) return E_OUTOFMEMORY;
        return factory->QueryInterface(iid, out);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace com
