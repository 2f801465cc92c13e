// Objects, class factories and the module's counts behind DllCanUnloadNow.
#include <gtest/gtest.h>

#include "platform/com/bstr.h"
#include "platform/com/class_factory.h"
#include "platform/com/error.h"

namespace {

// A stand-in class with two interfaces; FinalConstruct can be made to fail.
class Sample : public com::Object<IEnumVARIANT, ISupportErrorInfo> {
public:
    static HRESULT nextConstruct;

    HRESULT FinalConstruct() override { return nextConstruct; }
    STDMETHODIMP Next(ULONG, VARIANT*, ULONG*) override { return S_FALSE; }
    STDMETHODIMP Skip(ULONG) override { return S_FALSE; }
    STDMETHODIMP Reset() override { return S_OK; }
    STDMETHODIMP Clone(IEnumVARIANT**) override { return E_NOTIMPL; }
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID) override { return S_OK; }
};

HRESULT Sample::nextConstruct = S_OK;

const CLSID kSampleClsid = {0x1b7c1d2e, 0x5a0f, 0x4c51, {0x9e, 0x11, 0x2a, 0x6f, 0x0c, 0x55, 0x77, 0x01}};
const com::ClassEntry kClasses[] = {{&kSampleClsid, &com::CreateInstance<Sample>}};

class ComObjects : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(S_OK, com::module::CanUnloadNow()); }
    void TearDown() override {
        Sample::nextConstruct = S_OK;
        EXPECT_EQ(0, com::module::ObjectCount());
    }
};

TEST_F(ComObjects, QueryInterfaceAnswersTheListedInterfacesWithOneIdentity) {
    com::ComPtr<IEnumVARIANT> items;
    ASSERT_EQ(S_OK, com::CreateInstance<Sample>(IID_IEnumVARIANT, items.putVoid()));
    EXPECT_EQ(S_FALSE, com::module::CanUnloadNow());
    com::ComPtr<ISupportErrorInfo> errors;
    ASSERT_EQ(S_OK, errors.queryFrom(items.get(), IID_ISupportErrorInfo));
    com::ComPtr<IUnknown> first, second;
    ASSERT_EQ(S_OK, first.queryFrom(items.get(), IID_IUnknown));
    ASSERT_EQ(S_OK, second.queryFrom(errors.get(), IID_IUnknown));
    EXPECT_EQ(first.get(), second.get());
    void* none = &first;
    EXPECT_EQ(E_NOINTERFACE, items->QueryInterface(IID_IDispatch, &none));
    EXPECT_EQ(nullptr, none);
}

TEST_F(ComObjects, ClassObjectCreatesOnlyItsClassAndRefusesAggregation) {
    com::ComPtr<IClassFactory> factory;
    ASSERT_EQ(S_OK, com::GetClassObject(kClasses, kSampleClsid, IID_IClassFactory, factory.putVoid()));
    com::ComPtr<IUnknown> made;
    EXPECT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IUnknown, made.putVoid()));
    com::ComPtr<IUnknown> inner;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(made.get(), IID_IUnknown, inner.putVoid()));
    EXPECT_FALSE(inner);

    void* other = &made;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, com::GetClassObject(kClasses, IID_IUnknown, IID_IClassFactory, &other));
    EXPECT_EQ(nullptr, other);
}

TEST_F(ComObjects, ClientLockKeepsTheModuleLoaded) {
    com::ComPtr<IClassFactory> factory;
    ASSERT_EQ(S_OK, com::GetClassObject(kClasses, kSampleClsid, IID_IClassFactory, factory.putVoid()));
    ASSERT_EQ(S_OK, factory->LockServer(TRUE));
    factory.reset();
    EXPECT_EQ(S_FALSE, com::module::CanUnloadNow());
    com::module::Unlock();
    EXPECT_EQ(S_OK, com::module::CanUnloadNow());
}

TEST_F(ComObjects, FailedSecondStepDiscardsTheObject) {
    Sample::nextConstruct = E_ACCESSDENIED;
    com::ComPtr<IUnknown> made;
    EXPECT_EQ(E_ACCESSDENIED, com::CreateInstance<Sample>(IID_IUnknown, made.putVoid()));
    EXPECT_FALSE(made);
}

TEST_F(ComObjects, RaisedErrorCarriesTextAndInterface) {
    EXPECT_EQ(E_FAIL, com::RaiseError(E_FAIL, "Something broke", IID_IEnumVARIANT));
    com::ComPtr<IErrorInfo> info;
    ASSERT_EQ(S_OK, GetErrorInfo(0, info.put()));
    com::Bstr description;
    ASSERT_EQ(S_OK, info->GetDescription(description.put()));
    EXPECT_EQ(L"Something broke", description.wide());
    GUID iid = {};
    ASSERT_EQ(S_OK, info->GetGUID(&iid));
    EXPECT_TRUE(IsEqualGUID(IID_IEnumVARIANT, iid));

    com::RaiseSystemError(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), IID_IEnumVARIANT);
    ASSERT_EQ(S_OK, GetErrorInfo(0, info.put()));
    ASSERT_EQ(S_OK, info->GetDescription(description.put()));
    EXPECT_FALSE(description.wide().empty());
}

}  // namespace
