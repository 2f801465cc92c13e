#include "platform/com/dispatch.h"

#include "platform/com/com_ptr.h"

namespace com {
namespace {

// Moves the thread's error object, when one is set, into exception.
bool FillException(HRESULT code, EXCEPINFO* exception) {
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) != S_OK || !info) return false;
    *exception = EXCEPINFO();
    exception->scode = code;
    info->GetSource(&exception->bstrSource);
    info->GetDescription(&exception->bstrDescription);
    info->GetHelpFile(&exception->bstrHelpFile);
    info->GetHelpContext(&exception->dwHelpContext);
    return true;
}

}  // namespace

HRESULT InvokeByTypeInfo(REFIID iid, void* object, DISPID id, WORD flags, DISPPARAMS* params,
                         VARIANT* result, EXCEPINFO* exception, UINT* argError) {
    ComPtr<ITypeInfo> info;
    HRESULT hr = module::TypeInfo(iid, info.put());
    if (FAILED(hr)) return hr;
    EXCEPINFO local;
    EXCEPINFO* target = exception ? exception : &local;
    *target = EXCEPINFO();
    SetErrorInfo(0, nullptr);
    hr = info->Invoke(object, id, flags, params, result, target, argError);
    if (FAILED(hr) && hr != DISP_E_EXCEPTION && FillException(hr, target)) {
        // The method raised an error that the type information handed back
        // as a plain code: report it the way automation clients expect.
        hr = DISP_E_EXCEPTION;
    }
    if (!exception) {
        SysFreeString(local.bstrSource);
        SysFreeString(local.bstrDescription);
        SysFreeString(local.bstrHelpFile);
    }
    return hr;
}

HRESULT NamesByTypeInfo(REFIID iid, LPOLESTR* names, UINT count, DISPID* ids) {
    ComPtr<ITypeInfo> info;
    HRESULT hr = module::TypeInfo(iid, info.put());
    if (FAILED(hr)) return hr;
    return DispGetIDsOfNames(info.get(), names, count, ids);
}

}  // namespace com
