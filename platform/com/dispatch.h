#pragma once
// Automation objects: Dispatch<I, ...> implements the IDispatch of the dual
// interface I from the module's type library, and ISupportErrorInfo, so
// that a failing method with an error raised by Error() reaches a late-bound
// caller as DISP_E_EXCEPTION with the code and text.
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "platform/com/error.h"
#include "platform/com/object.h"

namespace com {

// Invoke through the type information of iid on the interface pointer
// object; a failed method whose error object is set comes back as
// DISP_E_EXCEPTION with the EXCEPINFO filled.
HRESULT InvokeByTypeInfo(REFIID iid, void* object, DISPID id, WORD flags, DISPPARAMS* params,
                         VARIANT* result, EXCEPINFO* exception, UINT* argError);
HRESULT NamesByTypeInfo(REFIID iid, LPOLESTR* names, UINT count, DISPID* ids);

template <class I, class... More>
class Dispatch : public Object<I, ISupportErrorInfo, More...> {
    using Base = Object<I, ISupportErrorInfo, More...>;

public:
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        return module::TypeInfo(__uuidof(I), out);
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                               DISPID* ids) override {
        return NamesByTypeInfo(__uuidof(I), names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argError) override {
        return InvokeByTypeInfo(__uuidof(I), static_cast<I*>(this), id, flags, params, result,
                                exception, argError);
    }
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override {
        return IsEqualIID(iid, __uuidof(I)) ? S_OK : S_FALSE;
    }

protected:
    void* Find(REFIID iid) override {
        if (IsEqualIID(iid, IID_IDispatch)) return static_cast<I*>(this);
        return Base::Find(iid);
    }

    // Raises an error with a text of this class's own.
    HRESULT Error(HRESULT code, const std::string& text) {
        return RaiseError(code, text, __uuidof(I));
    }
    // Passes on a failure of the platform, with the system's text.
    HRESULT Fail(HRESULT code) { return RaiseSystemError(code, __uuidof(I)); }
};

}  // namespace com
