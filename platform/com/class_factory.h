#pragma once
// Class factories and the DllGetClassObject glue of a server.
#include <windows.h>
#include <objbase.h>

#include <cstddef>

#include "platform/com/object.h"

namespace com {

// Makes a new instance and asks it for iid.
using Creator = HRESULT (*)(REFIID iid, void** out);

template <class T>
HRESULT CreateInstance(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    ComPtr<T> object = MakeObject<T>();
    if (!object) return E_OUTOFMEMORY;
    HRESULT hr = object->FinalConstruct();
    if (FAILED(hr)) return hr;
    return object->QueryInterface(iid, out);
}

class ClassFactory : public Object<IClassFactory> {
public:
    explicit ClassFactory(Creator create) : create_(create) {}

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    Creator create_;
};

// One creatable class of the server.
struct ClassEntry {
    const CLSID* clsid;
    Creator create;
};

// DllGetClassObject over a table of creatable classes.
HRESULT GetClassObject(const ClassEntry* classes, size_t count, REFCLSID clsid, REFIID iid,
                       void** out);

template <size_t N>
HRESULT GetClassObject(const ClassEntry (&classes)[N], REFCLSID clsid, REFIID iid, void** out) {
    return GetClassObject(classes, N, clsid, iid, out);
}

}  // namespace com
