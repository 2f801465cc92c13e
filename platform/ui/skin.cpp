#include "platform/ui/skin.h"

#include "platform/com/com_ptr.h"

namespace {

// {BA8C584B-209C-4D54-8BB1-8AB5F1DCA18E}
const CLSID kSkinClass = {0xBA8C584B, 0x209C, 0x4D54, {0x8B, 0xB1, 0x8A, 0xB5, 0xF1, 0xDC, 0xA1, 0x8E}};
// The skinned-window object's outer interface {5483984C-BFEC-4B7B-8F0A-849B8E743EE3}
// and its redraw interface {7DF90993-429D-41C3-BA1D-DB8B619D332E}.
const IID kSkinnedWindowOuter = {0x5483984C, 0xBFEC, 0x4B7B, {0x8F, 0x0A, 0x84, 0x9B, 0x8E, 0x74, 0x3E, 0xE3}};
const IID kSkinnedWindow = {0x7DF90993, 0x429D, 0x41C3, {0xBA, 0x1D, 0xDB, 0x8B, 0x61, 0x9D, 0x33, 0x2E}};

const DISPID kLoadSkin = 0x60020001;
const DISPID kApplySkin = 0x60020006;
const DISPID kApplySkinByName = 0x60020007;
const DISPID kGetSkinnedWindow = 0x6002000a;
// The redraw method is the 35th entry of the redraw interface's table.
const int kRedrawEntry = 34;

long WindowArgument(HWND window) { return static_cast<long>(reinterpret_cast<LONG_PTR>(window)); }

}  // namespace

bool CSkin::Create() {
    if (IsCreated()) return true;
    IDispatch* control = nullptr;
    if (FAILED(CoCreateInstance(kSkinClass, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&control)))) {
        return false;
    }
    control_.AttachDispatch(control, true);
    return true;
}

void CSkin::LoadSkin(const std::string& path) { control_.InvokeMethod(kLoadSkin, {path}); }

void CSkin::ApplySkin(HWND window) { control_.InvokeMethod(kApplySkin, {WindowArgument(window)}); }

void CSkin::ApplySkinByName(HWND window, const std::string& element) {
    control_.InvokeMethod(kApplySkinByName, {WindowArgument(window), element});
}

void CSkin::RedrawSkinnedWindow(HWND window) {
    if (!IsCreated()) return;
    com::Variant result;
    if (FAILED(control_.InvokeMethod(kGetSkinnedWindow, {WindowArgument(window)}, &result))) return;
    com::ComPtr<IUnknown> skinned;
    *skinned.put() = result.TakeUnknown();
    if (!skinned) return;
    com::ComPtr<IUnknown> outer;
    IUnknown* start = SUCCEEDED(skinned->QueryInterface(kSkinnedWindowOuter, outer.putVoid()))
                          ? outer.get()
                          : skinned.get();
    com::ComPtr<IUnknown> redraw;
    if (FAILED(start->QueryInterface(kSkinnedWindow, redraw.putVoid()))) return;
    using RedrawFunction = HRESULT(STDMETHODCALLTYPE*)(IUnknown*);
    void** table = *reinterpret_cast<void***>(redraw.get());
    reinterpret_cast<RedrawFunction>(table[kRedrawEntry])(redraw.get());
}
