#include "platform/ui/dispatch.h"

#include <oleauto.h>
#include <vector>

#include "platform/com/bstr.h"
#include "platform/com/text.h"

namespace ui {
DispatchArg::DispatchArg(const std::string& text) {
    VariantInit(&value_);
    value_.vt = VT_BSTR;
    value_.bstrVal = com::Bstr(text).detach();
}

DispatchArg::DispatchArg(const char* text) : DispatchArg(std::string(text ? text : "")) {}

DispatchArg::DispatchArg(short value) {
    VariantInit(&value_);
    value_.vt = VT_I2;
    value_.iVal = value;
}

DispatchArg::DispatchArg(long value) {
    VariantInit(&value_);
    value_.vt = VT_I4;
    value_.lVal = value;
}

DispatchArg::DispatchArg(IDispatch* object) {
    VariantInit(&value_);
    value_.vt = VT_DISPATCH;
    value_.pdispVal = object;
    if (object) object->AddRef();
}

DispatchArg::~DispatchArg() { VariantClear(&value_); }

HRESULT DispatchDriver::CreateDispatch(const std::string& progId) {
    ReleaseDispatch();
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(com::Widen(progId).c_str(), &clsid);
    if (FAILED(hr)) return hr;
    IDispatch* object = nullptr;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                          reinterpret_cast<void**>(&object));
    if (SUCCEEDED(hr)) AttachDispatch(object, true);
    return hr;
}

void DispatchDriver::AttachDispatch(IDispatch* object, bool autoRelease) {
    ReleaseDispatch();
    object_ = object;
    autoRelease_ = autoRelease;
}

IDispatch* DispatchDriver::DetachDispatch() {
    IDispatch* object = object_;
    object_ = nullptr;
    return object;
}

void DispatchDriver::ReleaseDispatch() {
    if (object_ && autoRelease_) object_->Release();
    object_ = nullptr;
}

HRESULT DispatchDriver::InvokeMethod(DISPID id, std::initializer_list<DispatchArg> args, com::Variant* result) {
    return Invoke(id, DISPATCH_METHOD, args, result);
}

HRESULT DispatchDriver::GetProperty(DISPID id, com::Variant& result, std::initializer_list<DispatchArg> args) {
    return Invoke(id, DISPATCH_PROPERTYGET, args, &result);
}

HRESULT DispatchDriver::SetProperty(DISPID id, const DispatchArg& value) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {};
    params.rgvarg = &value.Value();
    params.cArgs = 1;
    params.rgdispidNamedArgs = &named;
    params.cNamedArgs = 1;
    return Call(id, DISPATCH_PROPERTYPUT, params, nullptr);
}

HRESULT DispatchDriver::Invoke(DISPID id, WORD flags, std::initializer_list<DispatchArg> args,
                               com::Variant* result) {
    // The platform takes the arguments last to first.
    std::vector<VARIANT> values;
    for (auto it = args.end(); it != args.begin();) values.push_back((--it)->Value());
    DISPPARAMS params = {};
    params.rgvarg = values.empty() ? nullptr : values.data();
    params.cArgs = static_cast<UINT>(values.size());
    return Call(id, flags, params, result ? result->put() : nullptr);
}

HRESULT DispatchDriver::Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) {
    if (!object_) return OLE_E_BLANK;
    EXCEPINFO exception = {};
    HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception,
                                 nullptr);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr == DISP_E_EXCEPTION && FAILED(exception.scode) ? exception.scode : hr;
}

}  // namespace ui
