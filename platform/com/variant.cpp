#include "platform/com/variant.h"

#include "platform/com/text.h"

namespace com {

Variant::Variant(IDispatch* object) {
    VariantInit(&v_);
    V_VT(&v_) = VT_DISPATCH;
    V_DISPATCH(&v_) = object;
    if (object) object->AddRef();
}

Variant::Variant(const Variant& other) {
    VariantInit(&v_);
    VariantCopy(&v_, const_cast<VARIANT*>(&other.v_));
}

Variant& Variant::operator=(const Variant& other) {
    if (this != &other) VariantCopy(&v_, const_cast<VARIANT*>(&other.v_));
    return *this;
}

HRESULT Variant::copyTo(VARIANT* out) const {
    if (!out) return E_POINTER;
    VariantInit(out);
    return VariantCopy(out, const_cast<VARIANT*>(&v_));
}

std::string Variant::AsString() const {
    Variant converted;
    if (FAILED(VariantChangeType(converted.put(), const_cast<VARIANT*>(&v_), 0, VT_BSTR))) return std::string();
    BSTR text = converted.v_.bstrVal;
    return text ? Narrow(std::wstring(text, SysStringLen(text))) : std::string();
}

long Variant::AsLong() const {
    Variant converted;
    if (FAILED(VariantChangeType(converted.put(), const_cast<VARIANT*>(&v_), 0, VT_I4))) return 0;
    return converted.v_.lVal;
}

IDispatch* Variant::TakeDispatch() {
    IDispatch* object = nullptr;
    if (v_.vt == VT_DISPATCH) {
        object = v_.pdispVal;
    } else if (v_.vt == VT_UNKNOWN && v_.punkVal) {
        v_.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object));
        v_.punkVal->Release();
    }
    VariantInit(&v_);
    return object;
}

IUnknown* Variant::TakeUnknown() {
    IUnknown* object = nullptr;
    if (v_.vt == VT_DISPATCH || v_.vt == VT_UNKNOWN) object = v_.punkVal;
    if (object) VariantInit(&v_);
    return object;
}

}  // namespace com
