#pragma once
// Owner of one VARIANT: cleared on destruction, deep-copied on copy.
#include <windows.h>
#include <oleauto.h>

namespace com {

class Variant {
public:
    Variant() { VariantInit(&v_); }
    // Takes a new reference to the object.
    explicit Variant(IDispatch* object);
    Variant(const Variant& other);
    Variant& operator=(const Variant& other);
    ~Variant() { VariantClear(&v_); }

    const VARIANT& get() const { return v_; }
    VARIANT* put() { VariantClear(&v_); return &v_; }
    // A copy into a caller's VARIANT (out parameters, enumerators).
    HRESULT copyTo(VARIANT* out) const;

private:
    VARIANT v_;
};

}  // namespace com
