#pragma once
// The browser helper object: the browser hands it its site, and it listens
// to the browser's events until the browser quits or takes the site back.
// The browser and the event connection hold each other, so the connection
// is always dropped with the site, never left to reference counting.
#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>

#include "platform/com/dispatch.h"
#include "vintabar_h.h"

namespace iehelper {

class CCookieHlprObj : public com::Dispatch<ICookieHlpr, IObjectWithSite> {
public:
    // IObjectWithSite. A site that is a browser is listened to; a null site
    // (or a new one) first ends the listening to the previous browser.
    STDMETHODIMP SetSite(IUnknown* site) override;
    STDMETHODIMP GetSite(REFIID iid, void** out) override;

    // DWebBrowserEvents2: quitting ends the listening.
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

protected:
    void* Find(REFIID iid) override;

private:
    // Advises the browser's DWebBrowserEvents2 connection point with this
    // object, or unadvises it with the cookie kept from the advise.
    HRESULT ManageConnection(bool advise);
    void Disconnect();

    com::ComPtr<IWebBrowser2> browser_;
    com::ComPtr<IUnknown> site_;
    DWORD cookie_ = 0;
};

}  // namespace iehelper
