#include "platform/ui/dispatch.h"

#include <oleauto.h>
#include <vector>

namespace ui {
namespace {

BSTR ToBstr(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    BSTR bstr = SysAllocStringLen(nullptr, length);
    if (bstr && length > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), bstr, length);
    }
    return bstr;
}

std::string FromBstr(BSTR bstr) {
    if (!bstr) return std::string();
    int wide = static_cast<int>(SysStringLen(bstr));
    int length = WideCharToMultiByte(CP_ACP, 0, bstr, wide, nullptr, 0, nullptr, nullptr);
    std::string text(length, '\0');
    if (length > 0) WideCharToMultiByte(CP_ACP, 0, bstr, wide, &text[0], length, nullptr, nullptr);
    return text;
}

}  // namespace

DispatchArg::DispatchArg(const std::string& text) {
    VariantInit(&value_);
    value_.vt = VT_BSTR;
    value_.bstrVal = ToBstr(text);
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

Variant::Variant() { VariantInit(&value_); }
Variant::~Variant() { VariantClear(&value_); }

std::string Variant::AsString() const {
    VARIANT converted;
    VariantInit(&converted);
    std::string text;
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), 0, VT_BSTR))) {
        text = FromBstr(converted.bstrVal);
    }
    VariantClear(&converted);
    return text;
}

long Variant::AsLong() const {
    VARIANT converted;
    VariantInit(&converted);
    long number = 0;
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), 0, VT_I4))) {
        number = converted.lVal;
    }
    VariantClear(&converted);
    return number;
}

short Variant::AsShort() const { return static_cast<short>(AsLong()); }

IDispatch* Variant::TakeDispatch() {
    IDispatch* object = nullptr;
    if (value_.vt == VT_DISPATCH) {
        object = value_.pdispVal;
    } else if (value_.vt == VT_UNKNOWN && value_.punkVal) {
        value_.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object));
        value_.punkVal->Release();
    }
    VariantInit(&value_);
    return object;
}

IUnknown* Variant::TakeUnknown() {
    IUnknown* object = nullptr;
    if (value_.vt == VT_DISPATCH || value_.vt == VT_UNKNOWN) object = value_.punkVal;
    if (object) VariantInit(&value_);
    return object;
}

HRESULT DispatchDriver::CreateDispatch(const std::string& progId) {
    ReleaseDispatch();
    BSTR name = ToBstr(progId);
    CLSID clsid;
    HRESULT hr = name ? CLSIDFromProgID(name, &clsid) : E_OUTOFMEMORY;
    SysFreeString(name);
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

HRESULT DispatchDriver::InvokeMethod(DISPID id, std::initializer_list<DispatchArg> args, Variant* result) {
    return Invoke(id, DISPATCH_METHOD, args, result);
}

HRESULT DispatchDriver::GetProperty(DISPID id, Variant& result, std::initializer_list<DispatchArg> args) {
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
                               Variant* result) {
    // The platform takes the arguments last to first.
    std::vector<VARIANT> values;
    for (auto it = args.end(); it != args.begin();) values.push_back((--it)->Value());
    DISPPARAMS params = {};
    params.rgvarg = values.empty() ? nullptr : values.data();
    params.cArgs = static_cast<UINT>(values.size());
    if (result) VariantClear(&result->Raw());
    return Call(id, flags, params, result ? &result->Raw() : nullptr);
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
