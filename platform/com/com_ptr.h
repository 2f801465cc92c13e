#pragma once
// Owning pointer to a COM interface: releases what it holds exactly once.
#include <windows.h>
#include <objbase.h>

namespace com {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes a new reference to p.
    explicit ComPtr(T* p) : p_(p) { if (p_) p_->AddRef(); }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    ~ComPtr() { reset(); }

    ComPtr& operator=(ComPtr other) noexcept {
        T* old = p_;
        p_ = other.p_;
        other.p_ = old;
        return *this;
    }

    void reset() {
        if (p_) {
            T* old = p_;
            p_ = nullptr;
            old->Release();
        }
    }

    // Out-parameter slot for calls that hand back a new reference.
    T** put() { reset(); return &p_; }
    void** putVoid() { return reinterpret_cast<void**>(put()); }
    IUnknown** putUnknown() { return reinterpret_cast<IUnknown**>(put()); }

    // Gives the reference to the caller (an out parameter of a COM method).
    T* detach() { T* p = p_; p_ = nullptr; return p; }

    // Hands a new reference through a COM out parameter.
    HRESULT copyTo(T** out) const {
        if (!out) return E_POINTER;
        *out = p_;
        if (p_) p_->AddRef();
        return S_OK;
    }

    template <class U>
    HRESULT queryFrom(U* source, REFIID iid) {
        if (!source) { reset(); return E_POINTER; }
        return source->QueryInterface(iid, putVoid());
    }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

}  // namespace com
