#include "popup/tests/halvane_app_fixture.h"

#include <commctrl.h>

#include "common/suite/blinkward.h"

namespace popup {

namespace {

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
        PostMessageA(FindWindowA(nullptr, scenario.hiddenTitle.c_str()), suite::blinkward::WM_LAST_BROWSER_CLOSED, 0, 0);
        done = true;
    }
    if (done) KillTimer(nullptr, timer);
}

}  // namespace

TestTexts::TestTexts() {
    const std::string id = std::to_string(GetCurrentProcessId());
    texts["9999"] = "Halvane under test " + id;
    texts["99990"] = "Halvane sheet under test " + id;
}

void SetValue(const char* name, const std::string& text) {
    testkit::SetRegString(HKEY_CURRENT_USER, kProductKey, name, text);
}

void SetValue(const char* name, DWORD value) {
    testkit::SetRegDword(HKEY_CURRENT_USER, kProductKey, name, value);
}

void DeleteValue(const char* name) { testkit::DeleteRegValue(HKEY_CURRENT_USER, kProductKey, name); }

HalvaneAppTest::HalvaneAppTest() : registry_("halvane-app"), dir_("halvane-app") {
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

StartupEnd HalvaneAppTest::RunWith(std::function<bool()> step) {
    return RunWithApp([step](CHalvaneApp&) { return step(); });
}

StartupEnd HalvaneAppTest::RunWithApp(std::function<bool(CHalvaneApp&)> step, DWORD limitMs) {
    CHalvaneApp app(seams_);
    Scenario scenario{[&] { return step(app); }, GetTickCount() + limitMs, false,
                      texts_.WindowTitle()};
    g_scenario = &scenario;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, RunScenario);
    const StartupEnd end = app.Start();
    // A step that let the program end by itself leaves the timer running.
    KillTimer(nullptr, timer);
    g_scenario = nullptr;
    EXPECT_FALSE(scenario.timedOut);
    return end;
}

void HalvaneAppTest::ActThenCheck(std::function<void(CHalvaneApp&)> act,
                                  std::function<void(CHalvaneApp&)> check) {
    bool acted = false;
    RunWithApp([&](CHalvaneApp& app) {
        if (!Sheet()) return false;
        if (!acted) {
            act(app);
            acted = true;
            return false;
        }
        check(app);
        EndProgram();
        return true;
    });
}

HWND HalvaneAppTest::HiddenWindow() const { return FindWindowA(nullptr, texts_.WindowTitle().c_str()); }

HWND HalvaneAppTest::Sheet() const { return FindWindowA(nullptr, texts_.SheetTitle().c_str()); }

HWND HalvaneAppTest::ShowPage(int index) const {
    SendMessageA(Sheet(), PSM_SETCURSEL, index, 0);
    return PropSheet_GetCurrentPageHwnd(Sheet());
}

void HalvaneAppTest::EndProgram() const {
    PostMessageA(HiddenWindow(), suite::blinkward::WM_LAST_BROWSER_CLOSED, 0, 0);
}

}  // namespace popup
