#include "iehelper/cookie_hlpr_obj.h"

#include <exdispid.h>

#include "platform/guard/guard.h"

namespace iehelper {

void* CCookieHlprObj::Find(REFIID iid) {
    // The browser's connection point asks its sink for the event interface.
    if (IsEqualIID(iid, DIID_DWebBrowserEvents2)) return static_cast<ICookieHlpr*>(this);
    return Dispatch::Find(iid);
}

HRESULT CCookieHlprObj::ManageConnection(bool advise) {
    if (!browser_) return E_FAIL;
    com::ComPtr<IConnectionPointContainer> container;
    HRESULT hr = container.queryFrom(browser_.get(), IID_IConnectionPointContainer);
    if (FAILED(hr)) return hr;
    com::ComPtr<IConnectionPoint> point;
    hr = container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.put());
    if (FAILED(hr)) return hr;
    if (advise) return point->Advise(static_cast<ICookieHlpr*>(this), &cookie_);
    hr = point->Unadvise(cookie_);
    cookie_ = 0;
    return hr;
}

void CCookieHlprObj::Disconnect() {
    if (cookie_ != 0) ManageConnection(false);
}

STDMETHODIMP CCookieHlprObj::SetSite(IUnknown* site) {
    return guard::Call("CCookieHlprObj::SetSite", S_OK, [&] {
        Disconnect();
        browser_.reset();
        site_ = com::ComPtr<IUnknown>(site);
        if (site && SUCCEEDED(browser_.queryFrom(site, IID_IWebBrowser2)))
            ManageConnection(true);
        return S_OK;
    });
}

STDMETHODIMP CCookieHlprObj::GetSite(REFIID iid, void** out) {
    return guard::Call("CCookieHlprObj::GetSite", E_UNEXPECTED, [&]() -> HRESULT {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!site_) return E_FAIL;
        return site_->QueryInterface(iid, out);
    });
}

STDMETHODIMP CCookieHlprObj::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                    EXCEPINFO*, UINT*) {
    return guard::Call("CCookieHlprObj::Invoke", E_UNEXPECTED, [&]() -> HRESULT {
        if (!params) return E_INVALIDARG;
        if (id == DISPID_QUIT || id == DISPID_ONQUIT) Disconnect();
        return S_OK;
    });
}

}  // namespace iehelper
