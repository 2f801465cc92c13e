#include "platform/com/dispatch.h"

#include "platform/com/com_ptr.h"

namespace com {
namespace {

// Moves the thread's error object into exception.
void FillException(HRESULT code, EXCEPINFO* exception) {
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) != S_OK || !info) return;
    *exception = EXCEPINFO();
    exception->scode = code;
    info->GetSource(&exception->bstrSource);
    info->GetDescription(&exception->bstrDescription);
    info->GetHelpFile(&exception->bstrHelpFile);
    info->GetHelpContext(&exception->dwHelpContext);
}

bool IsDispatchCode(HRESULT hr) {
    return HRESULT_FACILITY(hr) == FACILITY_DISPATCH;
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
    if (FAILED(hr) && !IsDispatchCode(hr)) {
        // The type information handed the method's own failure back
        // unchanged: report it the way automation clients expect.
        FillException(hr, target);
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
