// The helper as browsers load it: stand-in hosts named iexplore.exe and
// explorer.exe beside a copy of Vintabar.dll, and a stand-in popup blocker
// that logs what it is sent. The shared count is read from this process's
// own mapping of the same file.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/testkit/scratch.h"

namespace {

std::string TestFolder() {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return path.substr(0, path.find_last_of('\\'));
}

template <class Condition>
bool WaitFor(Condition condition, DWORD ms = 15000) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        if (condition()) return true;
        Sleep(50);
    }
    return condition();
}

class BrowserLoadTest : public ::testing::Test {
protected:
    BrowserLoadTest() {
        const std::string tests = TestFolder();
        CopyFileA((tests + "\\Vintabar.dll").c_str(), dir_.file("Vintabar.dll").c_str(), FALSE);
        CopyFileA((tests + "\\vintabar_host.exe").c_str(), dir_.file("iexplore.exe").c_str(), FALSE);
        CopyFileA((tests + "\\vintabar_host.exe").c_str(), dir_.file("explorer.exe").c_str(), FALSE);
        CopyFileA((tests + "\\vintabar_blocker.exe").c_str(), dir_.file("Halvane.exe").c_str(),
                  FALSE);
        title_ = "Vintabar test " + Name() + " " + std::to_string(GetCurrentProcessId());
        dir_.write("Language\\English.ini", "[VelmoraBlinkward]\r\n9999=" + title_ + "\r\n");
        dir_.write("blocker.ini", "[blocker]\r\ntitle=" + title_ + "\r\n");
        testkit::SetRegString(reg_.currentUser(), "Software\\Velmora Blinkward", "Path", dir_.path());
        testkit::SetRegString(reg_.currentUser(), "Software\\Velmora Blinkward", "Language",
                              "English");
        Startup(0);
        shared_ = LoadLibraryA(dir_.file("Vintabar.dll").c_str());
    }
    ~BrowserLoadTest() override {
        if (HWND blocker = Blocker()) PostMessageA(blocker, WM_CLOSE, 0, 0);
        WaitFor([this] { return Blocker() == nullptr; }, 5000);
        if (shared_) FreeLibrary(shared_);
    }

    static std::string Name() {
        return ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    void Startup(int mode) const {
        dir_.write("QXINI.ini", "[VelmoraBlinkward]\r\nStartup=" + std::to_string(mode) + "\r\n");
    }
    HWND Blocker() const { return FindWindowA(nullptr, title_.c_str()); }
    std::string Log() const { return dir_.exists("blocker.log") ? dir_.read("blocker.log") : ""; }

    // The count in the library's shared section.
    LONG Count() const {
        auto base = reinterpret_cast<const BYTE*>(shared_);
        auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
            if (std::string(reinterpret_cast<const char*>(section->Name), 7) == ".shared")
                return *reinterpret_cast<const volatile LONG*>(base + section->VirtualAddress);
        ADD_FAILURE() << "no shared section";
        return -100;
    }

    PROCESS_INFORMATION Start(const char* exe, const std::string& events) const {
        std::string line = "\"" + dir_.file(exe) + "\" \"Software\\Velmora Tests\\" + Name() +
                           "\\HKCU\" " + events;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        EXPECT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   dir_.path().c_str(), &startup, &process));
        return process;
    }
    static DWORD Finish(const PROCESS_INFORMATION& process) {
        WaitForSingleObject(process.hProcess, 30000);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    }
    // The stand-in blocker, started as the user would; null on failure.
    HANDLE StartStandInBlocker() const {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION blocker = {};
        std::string line = "\"" + dir_.file("Halvane.exe") + "\"";
        if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                            dir_.path().c_str(), &startup, &blocker))
            return nullptr;
        CloseHandle(blocker.hThread);
        return blocker.hProcess;
    }
    // 1: the helper stayed loaded; 2: it was refused.
    DWORD Load(const char* exe) const { return Finish(Start(exe, "-")); }

    // A browser that keeps the helper until Close.
    struct Held {
        PROCESS_INFORMATION process;
        HANDLE release;
    };
    Held Hold(const std::string& name) const {
        const std::string events = Name() + "." + name;
        HANDLE loaded = CreateEventA(nullptr, TRUE, FALSE, (events + ".loaded").c_str());
        HANDLE release = CreateEventA(nullptr, TRUE, FALSE, (events + ".release").c_str());
        Held held{Start("iexplore.exe", events), release};
        HANDLE waits[] = {loaded, held.process.hProcess};
        EXPECT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(2, waits, FALSE, 30000));
        CloseHandle(loaded);
        return held;
    }
    static DWORD Close(const Held& held) {
        SetEvent(held.release);
        CloseHandle(held.release);
        return Finish(held.process);
    }

    testkit::ScratchDir dir_{"vintabar-" + Name()};
    testkit::ScratchRegistry reg_{Name(), testkit::ScratchRegistry::Plain};
    std::string title_;
    HMODULE shared_ = nullptr;
};

TEST_F(BrowserLoadTest, ExplorerAndABrowserWithoutBlockerOrStartupAreRefused) {
    ASSERT_NE(nullptr, shared_);
    Startup(1);
    EXPECT_EQ(2u, Load("explorer.exe"));
    Startup(0);
    EXPECT_EQ(2u, Load("iexplore.exe"));
    Startup(2);
    EXPECT_EQ(2u, Load("iexplore.exe"));
    Sleep(300);
    EXPECT_EQ(nullptr, Blocker());
    EXPECT_EQ("", Log());
    // The unloads after the refusals counted nobody out.
    EXPECT_EQ(0, Count());
}

TEST_F(BrowserLoadTest, AnEmptyTitleTextNeverTakesAWindowWithoutATitleForTheBlocker) {
    dir_.write("Language\\English.ini", "[VelmoraBlinkward]\r\n9999=\r\n");
    dir_.write("blocker.ini", "[blocker]\r\ntitle=\r\n");
    const HANDLE stranger = StartStandInBlocker();
    ASSERT_NE(nullptr, stranger);
    ASSERT_TRUE(WaitFor([this] { return Log() == "start\n"; }));
    // With manual start the helper must refuse: no blocker runs.
    EXPECT_EQ(2u, Load("iexplore.exe"));
    Sleep(300);
    EXPECT_EQ("start\n", Log());
    EXPECT_EQ(0, Count());
    TerminateProcess(stranger, 0);
    WaitForSingleObject(stranger, 5000);
    CloseHandle(stranger);
}

TEST_F(BrowserLoadTest, FirstBrowserStartsTheBlockerAndTheLastOneEndsIt) {
    Startup(1);
    Held first = Hold("first");
    ASSERT_TRUE(WaitFor([this] { return Blocker() != nullptr; }));
    EXPECT_EQ(1, Count());
    Held second = Hold("second");
    EXPECT_EQ(2, Count());
    EXPECT_EQ(1u, Close(first));
    EXPECT_EQ(1, Count());
    Sleep(300);
    EXPECT_EQ("start\n", Log());
    EXPECT_EQ(1u, Close(second));
    EXPECT_EQ(0, Count());
    EXPECT_TRUE(WaitFor([this] { return Blocker() == nullptr; }));
    EXPECT_EQ("start\nmsg 32790\n", Log());
}

TEST_F(BrowserLoadTest, ARunningBlockerIsNeitherStartedAgainNorEnded) {
    // A refused load first: it must not leave the count below zero.
    EXPECT_EQ(2u, Load("iexplore.exe"));
    EXPECT_EQ(0, Count());
    const HANDLE blocker = StartStandInBlocker();
    ASSERT_NE(nullptr, blocker);
    CloseHandle(blocker);
    ASSERT_TRUE(WaitFor([this] { return Blocker() != nullptr; }));

    Held browser = Hold("browser");
    EXPECT_EQ(2, Count());  // the browser and the bias for a blocker it did not start
    EXPECT_EQ(2u, Load("explorer.exe"));
    EXPECT_EQ(2, Count());
    EXPECT_EQ(1u, Close(browser));
    EXPECT_EQ(1, Count());
    Sleep(300);
    EXPECT_NE(nullptr, Blocker());
    EXPECT_EQ("start\n", Log());
}

}  // namespace
