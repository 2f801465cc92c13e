// RecordingSkin.dll: a stand-in for the outside skinning control, registered
// under the control's class id. It draws nothing; it writes each call it gets
// as one line "<object> <method> <arguments...>" to the file named by the
// environment variable VELMORA_SKIN_RECORD (objects numbered from 1 in the
// order they are made). A process without that variable gets no object, so
// for every other program in the prefix the control stays as good as absent.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "common/files/file_writes.h"
#include "platform/com/class_factory.h"
#include "platform/com/module.h"
#include "platform/com/registration.h"
#include "platform/com/variant.h"
#include "platform/guard/guard.h"

namespace {

// {BA8C584B-209C-4D54-8BB1-8AB5F1DCA18E}
const CLSID kSkinClass = {0xBA8C584B, 0x209C, 0x4D54, {0x8B, 0xB1, 0x8A, 0xB5, 0xF1, 0xDC, 0xA1, 0x8E}};

const struct {
    DISPID id;
    const char* name;
} kMethods[] = {
    {0x60020001, "LoadSkin"},
    {0x60020006, "ApplySkin"},
    {0x60020007, "ApplySkinByName"},
    {0x6002000a, "GetSkinnedWindow"},
};

std::string RecordPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("VELMORA_SKIN_RECORD", path, MAX_PATH);
    return length < MAX_PATH ? std::string(path, length) : std::string();
}

const char* MethodName(DISPID id) {
    for (const auto& method : kMethods) {
        if (method.id == id) return method.name;
    }
    return nullptr;
}

// The arguments in the caller's order (DISPPARAMS holds them last first),
// each as text: window handles as their decimal number.
std::string ArgumentsText(const DISPPARAMS& params) {
    std::string text;
    for (UINT i = params.cArgs; i > 0; --i) {
        com::Variant value;
        const HRESULT hr = VariantChangeType(value.put(), &params.rgvarg[i - 1], 0, VT_BSTR);
        text += " " + (SUCCEEDED(hr) ? value.AsString() : std::string("?"));
    }
    return text;
}

LONG g_objectsMade = 0;

class RecordingSkin : public com::Object<IDispatch> {
public:
    RecordingSkin() : number_(InterlockedIncrement(&g_objectsMade)) {}

    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    // Every method answers S_OK with no result; GetSkinnedWindow's caller
    // then has no window object and skips its redraw.
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return guard::Call("RecordingSkin::Invoke", E_UNEXPECTED, [&] {
            const char* name = MethodName(id);
            if (!name) return DISP_E_MEMBERNOTFOUND;
            const std::string line = std::to_string(number_) + " " + name +
                                     (params ? ArgumentsText(*params) : std::string()) + "\n";
            return files::AppendToFile(RecordPath(), line) ? S_OK : E_FAIL;
        });
    }

private:
    const LONG number_;
};

HRESULT CreateWhenRecording(REFIID iid, void** out) {
    if (RecordPath().empty()) {
        if (out) *out = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return com::CreateInstance<RecordingSkin>(iid, out);
}

const com::ClassEntry kClasses[] = {{&kSkinClass, &CreateWhenRecording}};

com::ServerClass SkinClass() {
    com::ServerClass cls;
    cls.clsid = &kSkinClass;
    cls.description = "Recording skin control";
    cls.threadingModel = "Apartment";
    return cls;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        com::module::SetInstance(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow() { return com::module::CanUnloadNow(); }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    return com::GetClassObject(kClasses, clsid, iid, out);
}

STDAPI DllRegisterServer() { return com::RegisterServerClass(SkinClass()); }

STDAPI DllUnregisterServer() { return com::UnregisterServerClass(SkinClass()); }
