#pragma once
// Reference-counted base of every COM object of a server. Object<I1, I2...>
// implements IUnknown for the listed interfaces (IUnknown itself through the
// first); each live object counts towards DllCanUnloadNow.
#include <windows.h>
#include <objbase.h>

#include <new>
#include <tuple>
#include <utility>

#include "platform/com/com_ptr.h"
#include "platform/com/module.h"

namespace com {

template <class... Interfaces>
class Object : public Interfaces... {
    using Primary = std::tuple_element_t<0, std::tuple<Interfaces...>>;

public:
    Object() { module::ObjectCreated(); }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() { module::ObjectDestroyed(); }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = Find(iid);
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&refs_));
    }
    STDMETHODIMP_(ULONG) Release() override {
        LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // Second step of construction, run before the first client sees the
    // object; a failure discards it.
    virtual HRESULT FinalConstruct() { return S_OK; }

protected:
    // The interface pointer that answers iid, or null. A class that answers
    // more (the IDispatch of a dual interface) extends this.
    virtual void* Find(REFIID iid) {
        if (IsEqualIID(iid, IID_IUnknown)) return static_cast<Primary*>(this);
        void* found = nullptr;
        ((found = found ? found
                        : IsEqualIID(iid, __uuidof(Interfaces)) ? static_cast<Interfaces*>(this)
                                                                 : nullptr),
         ...);
        return found;
    }

private:
    LONG refs_ = 0;
};

// A new object held by its first reference; null when memory ran out.
template <class T, class... Args>
ComPtr<T> MakeObject(Args&&... args) {
    return ComPtr<T>(new (std::nothrow) T(std::forward<Args>(args)...));
}

}  // namespace com
