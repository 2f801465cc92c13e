// The context-menu library as Explorer uses it: registered with regsvr32,
// created through its exports, handed a CF_HDROP selection, asked for its
// menu and its command, which starts the program named by `AppPath`.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "common/suite/scourwell.h"
#include "platform/com/com_ptr.h"
#include "platform/sync/sync.h"
#include "platform/testkit/scratch.h"

namespace {

using namespace suite::scourwell;

const CLSID kHandler = {0x46EB9D90, 0xDA84, 0x42F6, {0x81, 0x29, 0xDB, 0x13, 0x23, 0x6D, 0xB8, 0xF8}};
const char kApproved[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

std::string TestsFolder() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    return path.substr(0, path.find_last_of('\\'));
}

std::string LibraryPath() {
    std::string tests = TestsFolder();
    return tests.substr(0, tests.find_last_of('\\')) + "\\bin\\Scourwell\\Pellidor.dll";
}

TEST(PellidorRegistration, RegisterThenUnregisterLeavesExactlyTheKeys) {
    const std::string dll = LibraryPath();
    const std::string clsid = std::string("CLSID\\") + kMenuHandlerClsid;
    const std::string files = std::string("*\\shellex\\ContextMenuHandlers\\") + kMenuHandlerName;
    const std::string folders = std::string("Folder\\shellex\\ContextMenuHandlers\\") + kMenuHandlerName;
    ASSERT_EQ(0u, testkit::Regsvr32(dll, false));
    EXPECT_EQ(kMenuHandlerName, testkit::RegString(HKEY_CLASSES_ROOT, clsid, ""));
    EXPECT_EQ(dll, testkit::RegString(HKEY_CLASSES_ROOT, clsid + "\\InProcServer32", ""));
    EXPECT_EQ("Apartment", testkit::RegString(HKEY_CLASSES_ROOT, clsid + "\\InProcServer32", "ThreadingModel"));
    EXPECT_EQ(kMenuHandlerClsid, testkit::RegString(HKEY_CLASSES_ROOT, files, ""));
    EXPECT_EQ(kMenuHandlerClsid, testkit::RegString(HKEY_CLASSES_ROOT, folders, ""));
    EXPECT_EQ(kMenuHandlerName, testkit::RegString(HKEY_LOCAL_MACHINE, kApproved, kMenuHandlerClsid));

    ASSERT_EQ(0u, testkit::Regsvr32(dll, true));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, clsid));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, files));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, folders));
    EXPECT_FALSE(testkit::RegValueExists(HKEY_LOCAL_MACHINE, kApproved, kMenuHandlerClsid));
    EXPECT_TRUE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, "*\\shellex\\ContextMenuHandlers") ||
                !testkit::RegKeyExists(HKEY_CLASSES_ROOT, "*\\shellex"));
    // A second unregistration finds nothing to remove and still succeeds.
    EXPECT_EQ(0u, testkit::Regsvr32(dll, true));
}

// A data object that offers one thing: the selection as CF_HDROP, with
// ANSI names or, as the NT family's shell gives them, wide ones.
class DropData : public IDataObject {
public:
    explicit DropData(const std::vector<std::string>& paths) : paths_(paths) {}
    explicit DropData(const std::vector<std::wstring>& paths) : widePaths_(paths) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
        std::string names;
        for (const std::string& path : paths_) names += path + '\0';
        std::wstring wide;
        for (const std::wstring& path : widePaths_) wide += path + L'\0';
        if (!widePaths_.empty()) names.assign(reinterpret_cast<const char*>(wide.c_str()), wide.size() * 2);
        names.append(widePaths_.empty() ? 1 : 2, '\0');
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = !widePaths_.empty();
        memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    ULONG refs() const { return refs_; }

private:
    std::vector<std::string> paths_;
    std::vector<std::wstring> widePaths_;
    ULONG refs_ = 1;
};

std::string MenuText(HMENU menu, UINT position) {
    char text[256] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

BOOL CALLBACK FindThreadBox(HWND window, LPARAM param) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

// Reads and closes the next box that `thread` shows (within ten seconds)
// while the caller is blocked inside it.
class BoxReader {
public:
    explicit BoxReader(DWORD thread) {
        watcher_.Start([this, thread] {
            for (int i = 0; i < 100; ++i) {
                HWND box = nullptr;
                EnumThreadWindows(thread, FindThreadBox, reinterpret_cast<LPARAM>(&box));
                if (box) {
                    char buffer[1024] = {};
                    GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
                    text_ = buffer;
                    PostMessageA(box, WM_COMMAND, IDOK, 0);
                    return;
                }
                Sleep(100);
            }
        });
    }
    const std::string& Text() {
        watcher_.Join();
        return text_;
    }

private:
    std::string text_;
    sync::Thread watcher_;
};

TEST(PellidorHandler, SelectionMenuAndCommand) {
    testkit::ScratchRegistry registry("pellidor-handler");
    testkit::ScratchDir dir("pellidor-handler");
    ASSERT_TRUE(CopyFileA((TestsFolder() + "\\pellidor_args_recorder.exe").c_str(),
                          dir.file("Mirrowick.exe").c_str(), FALSE));
    dir.write("Lang\\English.ini", "[Scourwell Language Pack]\r\n9606=Shred it away\r\n");
    testkit::SetRegString(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue, dir.path());
    ASSERT_EQ(S_OK, CoInitialize(nullptr));

    HMODULE library = LoadLibraryA(LibraryPath().c_str());
    ASSERT_NE(nullptr, library);
    using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    using CanUnload = HRESULT(WINAPI*)();
    auto get = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(library, "DllGetClassObject")));
    auto canUnload = reinterpret_cast<CanUnload>(reinterpret_cast<void*>(GetProcAddress(library, "DllCanUnloadNow")));
    ASSERT_TRUE(get && canUnload);
    void* nothing = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, get(IID_IUnknown, IID_IClassFactory, &nothing));
    EXPECT_EQ(nullptr, nothing);
    EXPECT_EQ(E_NOINTERFACE, get(kHandler, IID_IContextMenu, &nothing));
    EXPECT_EQ(S_OK, canUnload());  // the refused factory did not stay alive
    {
        com::ComPtr<IClassFactory> factory;
        ASSERT_EQ(S_OK, get(kHandler, IID_IClassFactory, factory.putVoid()));
        com::ComPtr<IShellExtInit> init;
        ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IShellExtInit, init.putVoid()));
        com::ComPtr<IContextMenu> menu;
        ASSERT_EQ(S_OK, init->QueryInterface(IID_IContextMenu, menu.putVoid()));
        EXPECT_EQ(S_FALSE, canUnload());

        DropData first({"C:\\old one.txt"});
        DropData data({"C:\\Data", dir.file("with blank\\f.txt")});
        EXPECT_EQ(E_FAIL, init->Initialize(nullptr, nullptr, nullptr));
        ASSERT_EQ(S_OK, init->Initialize(nullptr, &first, nullptr));
        ASSERT_EQ(S_OK, init->Initialize(nullptr, &data, nullptr));  // replaces the selection
        EXPECT_EQ(1u, first.refs());

        HMENU popup = CreatePopupMenu();
        EXPECT_EQ(0, HRESULT_CODE(menu->QueryContextMenu(popup, 0, 100, 200, CMF_DEFAULTONLY)));
        EXPECT_EQ(0, GetMenuItemCount(popup));
        EXPECT_EQ(1, HRESULT_CODE(menu->QueryContextMenu(popup, 0, 100, 200, CMF_NORMAL)));
        EXPECT_EQ("Shred it away", MenuText(popup, 0));
        DestroyMenu(popup);

        char name[64] = "untouched";
        EXPECT_EQ(E_NOTIMPL, menu->GetCommandString(0, GCS_HELPTEXTA, nullptr, name, sizeof name));
        CMINVOKECOMMANDINFO info = {};
        info.cbSize = sizeof info;
        info.lpVerb = MAKEINTRESOURCEA(1);
        EXPECT_EQ(E_INVALIDARG, menu->InvokeCommand(&info));
        info.lpVerb = "open";
        EXPECT_EQ(S_OK, menu->InvokeCommand(&info));
        EXPECT_FALSE(dir.exists("args.txt"));
        info.lpVerb = MAKEINTRESOURCEA(0);
        ASSERT_EQ(S_OK, menu->InvokeCommand(&info));
        for (int i = 0; i < 100 && !dir.exists("args.txt"); ++i) Sleep(100);
        ASSERT_TRUE(dir.exists("args.txt"));
        Sleep(200);
        const std::string line = dir.read("args.txt");
        // The program started is the one in `AppPath`; its parameters follow its name.
        ASSERT_NE(std::string::npos, line.find(dir.file("Mirrowick.exe"))) << line;
        const size_t end = line[0] == '"' ? line.find('"', 1) + 1 : line.find(' ');
        const ShredCommand command = ParseCommandLine(line.substr(end));
        EXPECT_EQ((std::vector<std::string>{"C:\\Data", dir.file("with blank\\f.txt")}), command.items);
        EXPECT_FALSE(command.silent);

        // "Čapek.txt" goes as the short name that reaches it, never as its
        // lookalike "Capek.txt"; a path no spelling reaches starts nothing.
        const std::wstring folder(dir.path().begin(), dir.path().end());
        const std::wstring accented = testkit::MakeWide(dir.path(), L"\x010C" L"apek.txt");
        ASSERT_FALSE(accented.empty());
        DeleteFileA(dir.file("args.txt").c_str());
        DropData wide(std::vector<std::wstring>{accented});
        ASSERT_EQ(S_OK, init->Initialize(nullptr, &wide, nullptr));
        ASSERT_EQ(S_OK, menu->InvokeCommand(&info));
        for (int i = 0; i < 100 && !dir.exists("args.txt"); ++i) Sleep(100);
        ASSERT_TRUE(dir.exists("args.txt"));
        Sleep(200);
        const std::string given = dir.read("args.txt");
        const ShredCommand handed = ParseCommandLine(given.substr(given.find(".exe\"") + 5));
        ASSERT_EQ(1u, handed.items.size()) << given;
        EXPECT_NE(dir.file("Capek.txt"), handed.items[0]);
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(handed.items[0].c_str()));
        DeleteFileA(dir.file("args.txt").c_str());
        DropData unreachable(std::vector<std::wstring>{folder + L"\\\x010E" L"al\x0161\x00ED.txt"});
        ASSERT_EQ(S_OK, init->Initialize(nullptr, &unreachable, nullptr));
        {
            BoxReader reader(GetCurrentThreadId());
            EXPECT_EQ(E_FAIL, menu->InvokeCommand(&info));
            EXPECT_EQ(0u, reader.Text().find("Skipped:\n" + dir.path() + "\\?al")) << reader.Text();
        }
        Sleep(500);
        EXPECT_FALSE(dir.exists("args.txt"));
        ASSERT_EQ(S_OK, init->Initialize(nullptr, &data, nullptr));

        // The program gone from its folder: said so, nothing started.
        ASSERT_TRUE(DeleteFileA(dir.file("Mirrowick.exe").c_str()));
        DeleteFileA(dir.file("args.txt").c_str());
        BoxReader reader(GetCurrentThreadId());
        EXPECT_EQ(E_FAIL, menu->InvokeCommand(&info));
        EXPECT_EQ(0u, reader.Text().find("The shredder's program was not found:\n" + dir.file("Mirrowick.exe")))
            << reader.Text();
        EXPECT_FALSE(dir.exists("args.txt"));
    }
    EXPECT_EQ(S_OK, canUnload());
    CoUninitialize();
}

}  // namespace
