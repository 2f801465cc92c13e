#pragma once
// Owner of one VARIANT: cleared on destruction, deep-copied on copy. Holds
// the result of a dispatch call as well as the values a server hands out.
#include <windows.h>
#include <oleauto.h>

#include <string>

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

    VARTYPE Type() const { return v_.vt; }
    // Converted; "" or 0 when the value has no such form.
    std::string AsString() const;
    long AsLong() const;
    short AsShort() const { return static_cast<short>(AsLong()); }
    // The object held (its reference passes to the caller), or nullptr.
    IDispatch* TakeDispatch();
    IUnknown* TakeUnknown();

private:
    VARIANT v_;
};

}  // namespace com
