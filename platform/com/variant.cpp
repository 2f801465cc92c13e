#include "platform/com/variant.h"

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

}  // namespace com
