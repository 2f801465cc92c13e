#include "platform/com/variant_enum.h"
#include "platform/guard/guard.h"

namespace com {

HRESULT VariantEnum::Create(std::vector<Variant> items, IUnknown** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    ComPtr<VariantEnum> enumerator = MakeObject<VariantEnum>(std::move(items));
    if (!enumerator) return E_OUTOFMEMORY;
    return enumerator->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(out));
}

STDMETHODIMP VariantEnum::Next(ULONG count, VARIANT* out, ULONG* fetched) {
    return guard::Call("VariantEnum::Next", E_UNEXPECTED, [&]() -> HRESULT {
        if (!out || (count > 1 && !fetched)) return E_POINTER;
        ULONG done = 0;
        while (done < count && position_ < items_.size()) {
            HRESULT hr = items_[position_].copyTo(&out[done]);
            if (FAILED(hr)) {
                for (ULONG i = 0; i < done; ++i) VariantClear(&out[i]);
                if (fetched) *fetched = 0;
                return hr;
            }
            ++done;
            ++position_;
        }
        if (fetched) *fetched = done;
        return done == count ? S_OK : S_FALSE;
    });
}

STDMETHODIMP VariantEnum::Skip(ULONG count) {
    return guard::Call("VariantEnum::Skip", E_UNEXPECTED, [&]() -> HRESULT {
        size_t left = items_.size() - position_;
        if (count > left) {
            position_ = items_.size();
            return S_FALSE;
        }
        position_ += count;
        return S_OK;
    });
}

STDMETHODIMP VariantEnum::Reset() {
    return guard::Call("VariantEnum::Reset", E_UNEXPECTED, [&]() -> HRESULT {
        position_ = 0;
        return S_OK;
    });
}

STDMETHODIMP VariantEnum::Clone(IEnumVARIANT** out) {
    return guard::Call("VariantEnum::Clone", E_UNEXPECTED, [&]() -> HRESULT {
        if (!out) return E_POINTER;
        *out = nullptr;
        ComPtr<VariantEnum> copy = MakeObject<VariantEnum>(items_, position_);
        if (!copy) return E_OUTOFMEMORY;
        return copy->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(out));
    });
}

}  // namespace com
