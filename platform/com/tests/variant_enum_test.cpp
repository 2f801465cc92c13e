// The VARIANT enumerator behind NewEnum.
#include <gtest/gtest.h>

#include <vector>

#include "platform/com/variant_enum.h"

namespace {

std::vector<com::Variant> Numbers(int count) {
    std::vector<com::Variant> items;
    for (int i = 1; i <= count; ++i) {
        com::Variant v;
        V_VT(v.put()) = VT_I4;
        V_I4(const_cast<VARIANT*>(&v.get())) = i;
        items.push_back(v);
    }
    return items;
}

com::ComPtr<IEnumVARIANT> Enumerator(int count) {
    com::ComPtr<IUnknown> unknown;
    EXPECT_EQ(S_OK, com::VariantEnum::Create(Numbers(count), unknown.put()));
    com::ComPtr<IEnumVARIANT> items;
    EXPECT_EQ(S_OK, items.queryFrom(unknown.get(), IID_IEnumVARIANT));
    return items;
}

TEST(VariantEnum, NextHandsOutCopiesAndSaysWhenItRanShort) {
    com::ComPtr<IEnumVARIANT> items = Enumerator(3);
    VARIANT got[2];
    ULONG fetched = 0;
    ASSERT_EQ(S_OK, items->Next(2, got, &fetched));
    EXPECT_EQ(2u, fetched);
    EXPECT_EQ(1, V_I4(&got[0]));
    EXPECT_EQ(2, V_I4(&got[1]));
    ASSERT_EQ(S_FALSE, items->Next(2, got, &fetched));
    EXPECT_EQ(1u, fetched);
    EXPECT_EQ(3, V_I4(&got[0]));
    EXPECT_EQ(S_FALSE, items->Next(1, got, nullptr));
    EXPECT_EQ(E_POINTER, items->Next(2, got, nullptr));
}

TEST(VariantEnum, SkipResetAndCloneKeepTheirOwnPositions) {
    com::ComPtr<IEnumVARIANT> items = Enumerator(3);
    ASSERT_EQ(S_OK, items->Skip(2));
    com::ComPtr<IEnumVARIANT> copy;
    ASSERT_EQ(S_OK, items->Clone(copy.put()));
    EXPECT_EQ(S_FALSE, items->Skip(5));

    VARIANT got;
    ULONG fetched = 0;
    ASSERT_EQ(S_OK, copy->Next(1, &got, &fetched));
    EXPECT_EQ(3, V_I4(&got));
    ASSERT_EQ(S_OK, items->Reset());
    ASSERT_EQ(S_OK, items->Next(1, &got, &fetched));
    EXPECT_EQ(1, V_I4(&got));
}

class Stub : public com::Object<IDispatch> {
public:
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return E_NOTIMPL;
    }
};

TEST(VariantEnum, ObjectsStayAliveWhileEnumerated) {
    com::ComPtr<IUnknown> holder;
    {
        std::vector<com::ComPtr<Stub>> objects{com::MakeObject<Stub>()};
        ASSERT_EQ(S_OK, com::EnumerateObjects(objects, holder.put()));
    }
    com::ComPtr<IEnumVARIANT> items;
    ASSERT_EQ(S_OK, items.queryFrom(holder.get(), IID_IEnumVARIANT));
    VARIANT got;
    ULONG fetched = 0;
    ASSERT_EQ(S_OK, items->Next(1, &got, &fetched));
    ASSERT_EQ(VT_DISPATCH, V_VT(&got));
    VariantClear(&got);
    items.reset();
    holder.reset();
    EXPECT_EQ(0, com::module::ObjectCount());
}

}  // namespace
