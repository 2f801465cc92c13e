// The dispatch driver, tray icon, skin wrapper, version reader, help opener
// and profile settings.
#include "platform/testkit/scratch.h"
#include "platform/ui/app.h"
#include "platform/ui/dispatch.h"
#include "platform/ui/html_help.h"
#include "platform/ui/skin.h"
#include "platform/ui/tests/ui_driver.h"
#include "platform/ui/tray_icon.h"
#include "platform/ui/version_info.h"
#include "platform/ui/window.h"

#include <gtest/gtest.h>
#include <htmlhelp.h>

#include <string>
#include <vector>

namespace {

struct ComScope {
    ComScope() { CoInitialize(nullptr); }
    ~ComScope() { CoUninitialize(); }
};

// An automation object that records its calls: 1 method answering text,
// 2 a 32-bit property, 3 a property answering an object, 4 a method
// that fails with an exception.
class FakeObject : public IDispatch {
public:
    LONG refs = 1;
    long stored = 7;
    std::vector<VARTYPE> lastTypes;
    std::vector<std::string> lastTexts;
    short lastShort = 0;
    IDispatch* lastObject = nullptr;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT*) override {
        lastTypes.clear();
        lastTexts.clear();
        for (UINT i = params->cArgs; i > 0; --i) {
            VARIANT& arg = params->rgvarg[i - 1];
            lastTypes.push_back(arg.vt);
            if (arg.vt == VT_BSTR) {
                char text[128] = {};
                WideCharToMultiByte(CP_ACP, 0, arg.bstrVal, -1, text, sizeof(text), nullptr, nullptr);
                lastTexts.push_back(text);
            }
            if (arg.vt == VT_I2) lastShort = arg.iVal;
            if (arg.vt == VT_DISPATCH) lastObject = arg.pdispVal;
        }
        switch (id) {
        case 1:
            if (result) {
                result->vt = VT_BSTR;
                result->bstrVal = SysAllocString(L"done");
            }
            return S_OK;
        case 2:
            if (flags & DISPATCH_PROPERTYPUT) {
                if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
                    return DISP_E_PARAMNOTOPTIONAL;
                }
                stored = params->rgvarg[0].lVal;
                return S_OK;
            }
            result->vt = VT_I4;
            result->lVal = stored;
            return S_OK;
        case 3:
            result->vt = VT_DISPATCH;
            result->pdispVal = this;
            AddRef();
            return S_OK;
        case 4:
            exception->scode = E_ACCESSDENIED;
            exception->bstrDescription = SysAllocString(L"refused");
            return DISP_E_EXCEPTION;
        default:
            return DISP_E_MEMBERNOTFOUND;
        }
    }
};

TEST(DispatchDriver, CallsByIdWithEveryArgumentKind) {
    FakeObject object;
    {
        ui::DispatchDriver driver;
        driver.AttachDispatch(&object, false);
        com::Variant result;
        EXPECT_EQ(S_OK, driver.InvokeMethod(1, {std::string("name"), short(3), 9L, &object}, &result));
        EXPECT_EQ((std::vector<VARTYPE>{VT_BSTR, VT_I2, VT_I4, VT_DISPATCH}), object.lastTypes);
        EXPECT_EQ((std::vector<std::string>{"name"}), object.lastTexts);
        EXPECT_EQ(3, object.lastShort);
        EXPECT_EQ(&object, object.lastObject);
        EXPECT_EQ("done", result.AsString());

        EXPECT_EQ(S_OK, driver.SetProperty(2, 41L));
        EXPECT_EQ(S_OK, driver.GetProperty(2, result));
        EXPECT_EQ(41, result.AsLong());
        EXPECT_EQ(41, result.AsShort());

        EXPECT_EQ(S_OK, driver.GetProperty(3, result, {short(1)}));
        ui::DispatchDriver child;
        child.AttachDispatch(result.TakeDispatch());
        EXPECT_EQ(&object, child.Get());
        EXPECT_EQ(2, object.refs);
    }
    // Nothing kept: the driver without auto-release left its reference alone.
    EXPECT_EQ(1, object.refs);
}

TEST(DispatchDriver, FailuresComeBackAsResults) {
    FakeObject object;
    ui::DispatchDriver driver;
    driver.AttachDispatch(&object, false);
    EXPECT_EQ(E_ACCESSDENIED, driver.InvokeMethod(4));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, driver.InvokeMethod(99));
    EXPECT_EQ(&object, driver.DetachDispatch());

    com::Variant result;
    EXPECT_EQ(OLE_E_BLANK, driver.InvokeMethod(1, {"x"}, &result));
    EXPECT_EQ(OLE_E_BLANK, driver.GetProperty(2, result));
    EXPECT_EQ(OLE_E_BLANK, driver.SetProperty(2, 1L));
    EXPECT_EQ("", result.AsString());
    EXPECT_EQ(1, object.refs);
}

TEST(DispatchDriver, CreatesAnObjectByProgId) {
    ComScope com;
    ui::DispatchDriver driver;
    EXPECT_TRUE(FAILED(driver.CreateDispatch("Velmora.NoSuchClass")));
    EXPECT_EQ(nullptr, driver.Get());
    ASSERT_EQ(S_OK, driver.CreateDispatch("Scripting.Dictionary"));
    OLECHAR addName[] = L"Add";
    OLECHAR countName[] = L"Count";
    LPOLESTR names[] = {addName, countName};
    DISPID add = 0;
    DISPID count = 0;
    ASSERT_EQ(S_OK, driver.Get()->GetIDsOfNames(IID_NULL, &names[0], 1, LOCALE_USER_DEFAULT, &add));
    ASSERT_EQ(S_OK, driver.Get()->GetIDsOfNames(IID_NULL, &names[1], 1, LOCALE_USER_DEFAULT, &count));
    EXPECT_EQ(S_OK, driver.InvokeMethod(add, {"key", "value"}));
    com::Variant result;
    EXPECT_EQ(S_OK, driver.GetProperty(count, result));
    EXPECT_EQ(1, result.AsLong());
    // The same key twice is the object's own error, not an exception of ours.
    EXPECT_TRUE(FAILED(driver.InvokeMethod(add, {"key", "other"})));
}

class TrayOwner : public ui::Window {
public:
    TrayOwner() { Create(WS_EX_TOOLWINDOW, "Tray owner", WS_POPUP, RECT{0, 0, 0, 0}, nullptr); }
    ui::TrayIcon tray{Handle(), 1, ui::RegisterMessage("TaskbarMsg")};
    int recreated = 0;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (tray.OnMessage(msg)) {
            ++recreated;
            return 0;
        }
        return Window::WindowProc(msg, wp, lp);
    }
};

TEST(TrayIcon, AddedAndAddedAgainWhenTheTaskbarComesBack) {
    TrayOwner owner;
    ASSERT_NE(nullptr, owner.Handle());
    HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
    ASSERT_TRUE(owner.tray.Add(icon, "Velmora tip"));
    EXPECT_TRUE(owner.tray.IsAdded());
    owner.tray.SetTip("Another tip");
    owner.tray.SetIcon(icon);
    owner.Post(ui::RegisterMessage("TaskbarCreated"));
    uitest::Pump(50);
    EXPECT_EQ(1, owner.recreated);
    EXPECT_TRUE(owner.tray.IsAdded());
    EXPECT_TRUE(owner.tray.Delete());
    EXPECT_FALSE(owner.tray.IsAdded());
    EXPECT_FALSE(owner.tray.Delete());
}

BOOL CALLBACK CountWindow(HWND, LPARAM lp) {
    ++*reinterpret_cast<int*>(lp);
    return TRUE;
}

int ThreadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(Skin, WithoutTheControlEveryCallDoesNothing) {
    ComScope com;
    TrayOwner window;
    DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    int windows = ThreadWindowCount();
    std::string title = window.GetText();
    for (int round = 0; round < 20; ++round) {
        CSkin skin;
        EXPECT_FALSE(skin.Create());
        EXPECT_FALSE(skin.IsCreated());
        skin.LoadSkin("C:\\Title.skn");
        skin.ApplySkin(window.Handle());
        skin.ApplySkinByName(window.Handle(), "Main");
        skin.RedrawSkinnedWindow(window.Handle());
        skin.Release();
    }
    EXPECT_EQ(gdi, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    EXPECT_EQ(user, GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    EXPECT_EQ(windows, ThreadWindowCount());
    EXPECT_EQ(title, window.GetText());
}

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

TEST(VersionInfo, ReadsNamedValuesOfTheStringTable) {
    EXPECT_EQ("1.2.3.4", ui::GetVersionString(ProgramPath(), "FileVersion"));
    EXPECT_EQ("Copyright test holder", ui::GetVersionString(ProgramPath(), "LegalCopyright"));
    EXPECT_EQ("", ui::GetVersionString(ProgramPath(), "Comments"));
    EXPECT_EQ("", ui::GetVersionString(ProgramPath(), "ProductName"));
    testkit::ScratchDir dir("ui-version");
    dir.write("plain.txt", "no version here");
    EXPECT_EQ("", ui::GetVersionString(dir.file("plain.txt"), "FileVersion"));
}

TEST(HtmlHelp, MissingFileIsReportedAsFailure) {
    testkit::ScratchDir dir("ui-help");
    EXPECT_FALSE(ui::OpenHtmlHelp(nullptr, dir.file("Help\\Missing.chm"), HH_DISPLAY_TOC));
    ui::CloseHtmlHelp();
}

class SettingsApp : public ui::App {
protected:
    bool InitInstance() override { return false; }
};

TEST(App, ProfileSettingsLiveUnderTheProgramKey) {
    testkit::ScratchRegistry registry("ui-profile");
    SettingsApp app;
    EXPECT_EQ("none", app.GetProfileString("", "Language", "none"));
    EXPECT_FALSE(app.WriteProfileString("", "Language", "English"));
    app.SetRegistryKey("Software\\Velmora Test");
    EXPECT_TRUE(app.WriteProfileString("", "Language", "English"));
    EXPECT_TRUE(app.WriteProfileInt("Proxy Setting", "Lan Is Configured", 1));
    EXPECT_EQ("English", app.GetProfileString("", "Language"));
    EXPECT_EQ(1u, app.GetProfileInt("Proxy Setting", "Lan Is Configured", 0));
    EXPECT_EQ(5u, app.GetProfileInt("", "Language", 5));
    EXPECT_EQ("English", testkit::RegString(registry.currentUser(), "Software\\Velmora Test", "Language"));
}

}  // namespace
