#include "popup/halvane_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "platform/testkit/scratch.h"
#include "popup/res/resource_ids.h"
#include "popup/title_scan.h"

using ::testing::_;
using ::testing::HasSubstr;
using ::testing::NiceMock;
using ::testing::Return;

namespace {

class MockPrompt : public MessagePrompt {
public:
    MOCK_METHOD(int, Show, (const std::string& text, const std::string& caption, unsigned type),
                (override));
};

// English defaults, but titles of this process alone, so that no other
// program's windows or mutex get in the way.
class TestTexts : public lang::TextSource {
public:
    TestTexts() {
        const std::string id = std::to_string(GetCurrentProcessId());
        texts_["9999"] = "Halvane under test " + id;
        texts_["99990"] = "Halvane sheet under test " + id;
    }
    std::string Text(const char* key, const char* def) const override {
        auto it = texts_.find(key);
        return it == texts_.end() ? def : it->second;
    }
    std::string WindowTitle() const { return texts_.at("9999"); }
    std::string SheetTitle() const { return texts_.at("99990"); }

private:
    std::map<std::string, std::string> texts_;
};

const char kCorrupted[] = "some files have been corrupted";
const char kExitQuestion[] = "click Yes to exit";

void SetValue(const char* name, const std::string& text) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kProductKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void SetValue(const char* name, DWORD value) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kProductKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}

void DeleteValue(const char* name) {
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, kProductKey, 0, KEY_ALL_ACCESS, &key);
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

class MarkedWindow {
public:
    explicit MarkedWindow(const std::string& name)
        : window_(CreateWindowExA(0, "STATIC", (name + kPopupMarker).c_str(), WS_POPUP, 0, 0, 10,
                                  10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~MarkedWindow() { DestroyWindow(window_); }
    bool Counted() const {
        char title[260] = {};
        GetWindowTextA(window_, title, sizeof(title));
        return std::string(title).find(kPopupMarker) == std::string::npos;
    }

private:
    HWND window_;
};

// What a thread timer does while the main window runs; one at a time.
struct Scenario {
    std::function<bool()> step;  // true: done, stop the timer
    DWORD deadline = 0;
    bool timedOut = false;
    std::string hiddenTitle;
};
Scenario* g_scenario = nullptr;

void CALLBACK RunScenario(HWND, UINT, UINT_PTR timer, DWORD) {
    Scenario& scenario = *g_scenario;
    bool done = scenario.step();
    if (!done && GetTickCount() > scenario.deadline) {
        // The watchdog: end the program as the browser helper would.
        scenario.timedOut = true;
        PostMessageA(FindWindowA(nullptr, scenario.hiddenTitle.c_str()), WM_LAST_BROWSER_CLOSED, 0, 0);
        done = true;
    }
    if (done) KillTimer(nullptr, timer);
}

class HalvaneAppTest : public ::testing::Test {
protected:
    HalvaneAppTest() : registry_("halvane-app"), dir_("halvane-app") {
        dir_.write("windows\\system32\\drivers\\etc\\hosts", "127.0.0.1\tlocalhost\n");
        dir_.file("product\\.");
        SetValue("Language", "English");
        SetValue("Path", dir_.path() + "\\product");
        SetValue("Blocked Popups", "0");
        SetValue("User Wav Path", "none.wav");
        SetValue("Wizard Message", "N");
        SetValue("FirstRun", 0);
        SetValue("ShowAtStart", 0);
        seams_.programFolder = dir_.path() + "\\product";
        seams_.windowsFolder = dir_.path() + "\\windows";
        seams_.prompt = &prompt_;
        seams_.texts = &texts_;
    }

    // Runs the program while `step` drives it from a timer every 50 ms.
    StartupEnd RunWith(std::function<bool()> step) {
        Scenario scenario{std::move(step), GetTickCount() + 20000, false, texts_.WindowTitle()};
        g_scenario = &scenario;
        SetTimer(nullptr, 0, 50, RunScenario);
        CHalvaneApp app(seams_);
        const StartupEnd end = app.Start();
        g_scenario = nullptr;
        EXPECT_FALSE(scenario.timedOut);
        return end;
    }

    HWND HiddenWindow() const { return FindWindowA(nullptr, texts_.WindowTitle().c_str()); }

    testkit::ScratchRegistry registry_;
    testkit::ScratchDir dir_;
    NiceMock<MockPrompt> prompt_;
    TestTexts texts_;
    HalvaneSeams seams_;
};

}  // namespace

TEST_F(HalvaneAppTest, SecondInstanceEndsSilently) {
    HANDLE first = CreateMutexA(nullptr, TRUE, texts_.WindowTitle().c_str());
    EXPECT_CALL(prompt_, Show(_, _, _)).Times(0);
    CHalvaneApp app(seams_);
    EXPECT_EQ(StartupEnd::AnotherInstance, app.Start());
    EXPECT_EQ(nullptr, HiddenWindow());
    CloseHandle(first);
}

TEST_F(HalvaneAppTest, EachMissingRequiredValueShows6001AndEnds) {
    for (const char* name : {"Language", "Path", "Blocked Popups", "User Wav Path"}) {
        SCOPED_TRACE(name);
        const std::string kept = testkit::RegString(HKEY_CURRENT_USER, kProductKey, name);
        DeleteValue(name);
        EXPECT_CALL(prompt_, Show(HasSubstr(kCorrupted), _, _)).WillOnce(Return(IDOK));
        CHalvaneApp app(seams_);
        EXPECT_EQ(StartupEnd::SettingsMissing, app.Start());
        EXPECT_EQ(nullptr, HiddenWindow());
        ::testing::Mock::VerifyAndClearExpectations(&prompt_);
        SetValue(name, kept);
    }
}

TEST_F(HalvaneAppTest, MarkedWindowsAreCountedAndTheCountIsSavedAtExit) {
    EXPECT_CALL(prompt_, Show(HasSubstr(kExitQuestion), _, _)).Times(0);
    MarkedWindow first("first ");
    MarkedWindow second("second ");
    const StartupEnd end = RunWith([&] {
        if (!first.Counted() || !second.Counted()) return false;
        PostMessageA(HiddenWindow(), WM_LAST_BROWSER_CLOSED, 0, 0);
        return true;
    });
    EXPECT_EQ(StartupEnd::MainSheetClosed, end);
    EXPECT_TRUE(first.Counted());
    EXPECT_TRUE(second.Counted());
    EXPECT_EQ("2", testkit::RegString(HKEY_CURRENT_USER, kProductKey, "Blocked Popups"));
}

TEST_F(HalvaneAppTest, ExitFromTheTrayAsksAndNoKeepsTheProgram) {
    EXPECT_CALL(prompt_, Show(HasSubstr(kExitQuestion), _, MB_YESNO | MB_ICONQUESTION))
        .WillOnce(Return(IDNO))
        .WillOnce(Return(IDYES));
    int tick = 0;
    const StartupEnd end = RunWith([&] {
        HWND sheet = FindWindowA(nullptr, texts_.SheetTitle().c_str());
        if (!sheet) return false;
        ++tick;
        if (tick == 1 || tick == 3) PostMessageA(sheet, WM_COMMAND, ID_TRAY_EXIT, 0);
        return tick == 3;
    });
    EXPECT_EQ(StartupEnd::MainSheetClosed, end);
    EXPECT_EQ(3, tick);
}
