#pragma once
// IEnumVARIANT over a snapshot of a collection's items, for the hidden
// NewEnum member (DISPID_NEWENUM) of automation collections.
#include <windows.h>
#include <oaidl.h>

#include <vector>

#include "platform/com/object.h"
#include "platform/com/variant.h"

namespace com {

class VariantEnum : public Object<IEnumVARIANT> {
public:
    explicit VariantEnum(std::vector<Variant> items, size_t position = 0)
        : items_(std::move(items)), position_(position) {}

    // A new enumerator over items, as the IUnknown that NewEnum returns.
    static HRESULT Create(std::vector<Variant> items, IUnknown** out);

    STDMETHODIMP Next(ULONG count, VARIANT* out, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumVARIANT** out) override;

private:
    std::vector<Variant> items_;
    size_t position_;
};

// NewEnum over a collection of automation objects.
template <class T>
HRESULT EnumerateObjects(const std::vector<ComPtr<T>>& objects, IUnknown** out) {
    std::vector<Variant> items;
    for (const ComPtr<T>& object : objects) items.emplace_back(static_cast<IDispatch*>(object.get()));
    return VariantEnum::Create(std::move(items), out);
}

}  // namespace com
