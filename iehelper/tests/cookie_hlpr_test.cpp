// The helper object against a stand-in browser whose connection point
// records Advise and Unadvise: it listens while it has a browser site and
// lets go of the browser, with the same cookie, on quit and on a null site.
#include <gtest/gtest.h>
#include <windows.h>
#include <exdispid.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "iehelper/cookie_hlpr_obj.h"

namespace {

using iehelper::CCookieHlprObj;

class FakeConnectionPoint : public com::Object<IConnectionPoint> {
public:
    explicit FakeConnectionPoint(std::vector<std::string>& calls) : calls_(calls) {}

    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override {
        calls_.push_back("advise");
        sink_ = com::ComPtr<IUnknown>(sink);
        *cookie = 77;
        return S_OK;
    }
    STDMETHODIMP Unadvise(DWORD cookie) override {
        calls_.push_back("unadvise " + std::to_string(cookie));
        sink_.reset();
        return S_OK;
    }
    STDMETHODIMP GetConnectionInterface(IID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer**) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

    com::ComPtr<IUnknown> sink_;

private:
    std::vector<std::string>& calls_;
};

// Answers IWebBrowser2 with its container interface: the helper reaches
// nothing of the browser but QueryInterface.
class FakeBrowser : public com::Object<IConnectionPointContainer> {
public:
    FakeBrowser(bool& destroyed, std::vector<std::string>& calls)
        : destroyed_(destroyed), point_(com::MakeObject<FakeConnectionPoint>(calls)) {}
    ~FakeBrowser() override { destroyed_ = true; }

    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** out) override {
        if (!IsEqualIID(iid, DIID_DWebBrowserEvents2)) return CONNECT_E_NOCONNECTION;
        return point_.copyTo(reinterpret_cast<FakeConnectionPoint**>(out));
    }
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }

    FakeConnectionPoint& Point() { return *point_.get(); }

protected:
    void* Find(REFIID iid) override {
        if (IsEqualIID(iid, IID_IWebBrowser2)) return static_cast<IConnectionPointContainer*>(this);
        return Object::Find(iid);
    }

private:
    bool& destroyed_;
    com::ComPtr<FakeConnectionPoint> point_;
};

class HelperObjectTest : public ::testing::Test {
protected:
    HRESULT Quit(DISPID id) {
        DISPPARAMS none = {};
        return helper_->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    }
    // References held on the helper besides ours.
    ULONG OtherRefs() {
        helper_->AddRef();
        return helper_->Release() - 1;
    }

    bool destroyed_ = false;
    std::vector<std::string> calls_;
    com::ComPtr<CCookieHlprObj> helper_ = com::MakeObject<CCookieHlprObj>();
    com::ComPtr<FakeBrowser> browser_ = com::MakeObject<FakeBrowser>(destroyed_, calls_);
};

TEST_F(HelperObjectTest, ListensToABrowserSiteUntilItQuits) {
    ASSERT_EQ(S_OK, helper_->SetSite(static_cast<IConnectionPointContainer*>(browser_.get())));
    ASSERT_EQ(std::vector<std::string>{"advise"}, calls_);
    com::ComPtr<IDispatch> events;
    EXPECT_EQ(S_OK, events.queryFrom(browser_->Point().sink_.get(), DIID_DWebBrowserEvents2));
    EXPECT_EQ(E_INVALIDARG,
              helper_->Invoke(DISPID_ONQUIT, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr,
                              nullptr, nullptr));
    EXPECT_EQ(S_OK, Quit(DISPID_NAVIGATECOMPLETE2));
    EXPECT_EQ(1u, calls_.size());
    EXPECT_EQ(S_OK, Quit(DISPID_ONQUIT));
    EXPECT_EQ((std::vector<std::string>{"advise", "unadvise 77"}), calls_);
    // The browser takes its site back after quitting: nothing is unadvised twice.
    EXPECT_EQ(S_OK, helper_->SetSite(nullptr));
    EXPECT_EQ(2u, calls_.size());
}

TEST_F(HelperObjectTest, NullSiteUnadvisesAndLetsBothSidesGo) {
    ASSERT_EQ(S_OK, helper_->SetSite(static_cast<IConnectionPointContainer*>(browser_.get())));
    EXPECT_EQ(1u, OtherRefs());  // the browser's connection holds the helper
    com::ComPtr<IConnectionPointContainer> site;
    EXPECT_EQ(S_OK, helper_->GetSite(IID_IConnectionPointContainer, site.putVoid()));
    site.reset();
    browser_.reset();
    EXPECT_FALSE(destroyed_);

    EXPECT_EQ(S_OK, helper_->SetSite(nullptr));
    EXPECT_EQ((std::vector<std::string>{"advise", "unadvise 77"}), calls_);
    EXPECT_TRUE(destroyed_);
    EXPECT_EQ(0u, OtherRefs());
    EXPECT_EQ(E_FAIL, helper_->GetSite(IID_IUnknown, site.putVoid()));
}

}  // namespace
