// The program under the scratch prefix: its start on a known and an unknown
// Windows, the Reset button, and one run of the wizard to Finish and back
// through Reset, driven inside the modal loops.
#include "tuning/tessaline_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <commctrl.h>
#include <prsht.h>

#include "platform/ui/tests/ui_driver.h"
#include "tuning/model/registry_paths.h"
#include "tuning/model/settings_store.h"
#include "tuning/model/tests/scratch_tree.h"
#include "tuning/res/main_dlg_res.h"
#include "tuning/res/wizard_pages_res.h"

using ::testing::HasSubstr;

namespace tuning {
namespace {

struct RecordingPrompt : ui::MessagePrompt {
    std::vector<std::string> texts;
    std::vector<unsigned> types;
    int yesNoAnswer = IDYES;
    int Show(const std::string& text, const std::string&, unsigned type) override {
        texts.push_back(text);
        types.push_back(type);
        return (type & MB_YESNO) ? yesNoAnswer : IDOK;
    }
};

void Version(OSVERSIONINFOA& info, DWORD platform, DWORD major, DWORD minor) {
    info.dwPlatformId = platform;
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
}
void WindowsXP(OSVERSIONINFOA& info) { Version(info, VER_PLATFORM_WIN32_NT, 5, 1); }
void WindowsVista(OSVERSIONINFOA& info) { Version(info, VER_PLATFORM_WIN32_NT, 6, 0); }
void Windows98(OSVERSIONINFOA& info) { Version(info, VER_PLATFORM_WIN32_WINDOWS, 4, 10); }

// The wizard's Finish button.
const int kFinishButton = 0x3025;

// The version source for one test.
class VersionSeam {
public:
    explicit VersionSeam(OsVersionSource source) : previous_(SetOsVersionSource(source)) {}
    ~VersionSeam() { SetOsVersionSource(previous_); }

private:
    OsVersionSource previous_;
};

std::string Title(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

struct WindowSearch {
    std::string prefix;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    if (IsWindowVisible(window) && Title(window).compare(0, search->prefix.size(), search->prefix) == 0)
        search->found.push_back(window);
    return TRUE;
}

// This thread's visible top-level windows whose title starts so.
std::vector<HWND> WindowsTitled(const std::string& prefix) {
    WindowSearch search{prefix, {}};
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Page(HWND sheet) { return PropSheet_GetCurrentPageHwnd(sheet); }

void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class TessalineAppTest : public ::testing::Test {
protected:
    TessalineAppTest() : tree("tuning-app") {}

    void Run() {
        CTessalineApp app(tree.registry(), prompt);
        app.Run(GetModuleHandleA(nullptr), "", SW_SHOWNORMAL);
    }
    bool ResetEnabled() const { return IsWindowEnabled(GetDlgItem(main, IDC_RESET_SETTINGS)) != FALSE; }
    // A step: once the main dialog shows, its button `id` is clicked.
    bool ClickOnMain(int id) {
        std::vector<HWND> found = WindowsTitled("Velmora Surgewind");
        if (found.empty()) return false;
        main = found[0];
        Click(main, id);
        return true;
    }

    test::ScratchTree tree;
    RecordingPrompt prompt;
    HWND main = nullptr;
};

TEST_F(TessalineAppTest, AWindowsAfterXPIsRefusedWithMessage79) {
    VersionSeam vista(WindowsVista);
    Run();
    ASSERT_EQ(1u, prompt.texts.size());
    EXPECT_EQ("Failed to detect your Windows version so we can't boost your connection.",
              prompt.texts[0]);
    EXPECT_EQ(static_cast<unsigned>(MB_OK | MB_ICONERROR), prompt.types[0]);
    EXPECT_TRUE(WindowsTitled("Velmora Surgewind").empty());
}

TEST_F(TessalineAppTest, ResetIsEnabledExactlyWhenABackupExistsAndSetAsksBeforeReplacingIt) {
    VersionSeam xp(WindowsXP);
    bool enabledWithout = true;
    bool enabledWith = false;
    bool wizardShown = true;
    uitest::Watchdog watchdog(20000);
    uitest::Steps steps({
        [&] {
            std::vector<HWND> found = WindowsTitled("Velmora Surgewind");
            if (found.empty()) return false;
            main = found[0];
            enabledWithout = ResetEnabled();
            PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
    });
    Run();
    ASSERT_TRUE(steps.Done());
    EXPECT_TRUE(prompt.texts.empty());

    // A backup left by a cancelled run: Set asks first, and No keeps it.
    tree.Set(Hive::CurrentUser, kBackupKey, "DefaultTTL", DwordValue(77));
    prompt.yesNoAnswer = IDNO;
    uitest::Steps again({
        [&] {
            std::vector<HWND> found = WindowsTitled("Velmora Surgewind");
            if (found.empty()) return false;
            main = found[0];
            enabledWith = ResetEnabled();
            Click(main, IDC_SET_SETTINGS);
            return true;
        },
        [&] {
            uitest::Pump(200);
            wizardShown = !WindowsTitled("Step").empty();
            PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
    });
    Run();
    ASSERT_TRUE(again.Done());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_FALSE(enabledWithout);
    EXPECT_TRUE(enabledWith);
    EXPECT_FALSE(wizardShown);
    ASSERT_EQ(1u, prompt.texts.size());
    EXPECT_THAT(prompt.texts[0], HasSubstr("will be overwritten"));
    EXPECT_EQ(static_cast<unsigned>(MB_YESNO | MB_ICONQUESTION), prompt.types[0]);
    RegValue kept;
    ASSERT_TRUE(tree.registry().Read(Hive::CurrentUser, kBackupKey, "DefaultTTL", kept));
    EXPECT_EQ(DwordValue(77).data, kept.data);
}

TEST_F(TessalineAppTest, AResetThatCannotRemoveTheBackupSaysSoAndKeepsResetEnabled) {
    VersionSeam xp(WindowsXP);
    tree.SetDword(kStackNTKey, "DefaultTTL", 99);
    test::FaultyRegistry faulty(tree.registry());
    TuningSettings settings;
    SettingsStore(faulty, Family::NT).BackupOriginalSettings(settings);
    faulty.undeletableKeys = {kBackupMtuKey};
    bool enabledAfterReset = false;
    uitest::Watchdog watchdog(20000);
    uitest::Steps steps({
        [&] { return ClickOnMain(IDC_RESET_SETTINGS); },
        [&] {
            enabledAfterReset = ResetEnabled();
            PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
    });
    CTessalineApp(faulty, prompt).Run(GetModuleHandleA(nullptr), "", SW_SHOWNORMAL);
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_TRUE(steps.Done());
    EXPECT_TRUE(enabledAfterReset);
    ASSERT_EQ(1u, prompt.texts.size());
    EXPECT_THAT(prompt.texts[0], HasSubstr("the backup itself could not be removed"));
    EXPECT_EQ(static_cast<unsigned>(MB_OK | MB_ICONWARNING), prompt.types[0]);
}

std::string ComboItem(HWND combo, int index) {
    char text[64] = "";
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT;
    item.iItem = index;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

TEST_F(TessalineAppTest, ChoosingALanguageRewritesTheTextsAndTheStoredChoiceAtOnce) {
    VersionSeam xp(WindowsXP);
    testkit::ScratchDir folder("tuning-app-lang");
    folder.write("Lang\\English.ini", "[Surgewind]\r\n18=Velmora Surgewind\r\n");
    folder.write("Lang\\Deutsch.ini",
                 "[Surgewind]\r\n18=Velmora Surgewind DE\r\nIDC_SET_SETTINGS=&Einstellungen*setzen\r\n");
    tree.Set(Hive::CurrentUser, kProgramKey, "AppPath", TextValue(folder.path()));
    tree.Set(Hive::CurrentUser, kProgramKey, "Language", TextValue("English"));

    std::vector<std::string> listed;
    std::string selected;
    std::string setText;
    std::string title;
    uitest::Watchdog watchdog(20000);
    uitest::Steps steps({
        [&] {
            std::vector<HWND> found = WindowsTitled("Velmora Surgewind");
            if (found.empty()) return false;
            main = found[0];
            HWND combo = GetDlgItem(main, IDC_LANGUAGES);
            const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
            int german = -1;
            for (int i = 0; i < count; ++i) {
                listed.push_back(ComboItem(combo, i));
                if (listed.back() == "Deutsch") german = i;
            }
            selected = ComboItem(combo, static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)));
            SendMessageA(combo, CB_SETCURSEL, german, 0);
            PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGES, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(combo));
            return true;
        },
        [&] {
            setText = Title(GetDlgItem(main, IDC_SET_SETTINGS));
            title = Title(main);
            PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
    });
    Run();
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_TRUE(steps.Done());
    EXPECT_THAT(listed, ::testing::UnorderedElementsAre("English", "Deutsch"));
    EXPECT_EQ("English", selected);
    EXPECT_EQ("&Einstellungen\nsetzen", setText);
    EXPECT_EQ("Velmora Surgewind DE", title);
    RegValue language;
    std::string stored;
    ASSERT_TRUE(tree.registry().Read(Hive::CurrentUser, kProgramKey, "Language", language));
    AsText(language, stored);
    EXPECT_EQ("Deutsch", stored);
}

// The 9x family without a modem: six steps, Finish on the keep-alive page,
// the stack values written as decimal text.
TEST_F(TessalineAppTest, OnWindows98TheWizardEndsAfterSixStepsAndWritesText) {
    VersionSeam win98(Windows98);
    HWND sheet = nullptr;
    bool finishShown = false;
    auto onStep = [&](const char* title) {
        return [&sheet, title] { return sheet && Title(sheet).find(title) == 0; };
    };
    auto next = [&] {
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
        return true;
    };
    uitest::Watchdog watchdog(30000);
    uitest::Steps steps({
        [&] { return ClickOnMain(IDC_SET_SETTINGS); },
        [&] {
            std::vector<HWND> found = WindowsTitled("Step 1 of 6");
            if (found.empty()) return false;
            sheet = found[0];
            CheckRadioButton(Page(sheet), IDC_RADIO_DIALUP, IDC_RADIO_LAN, IDC_RADIO_LAN);
            return next();
        },
        onStep("Step 2 of 6"), next,
        onStep("Step 3 of 6"), next,
        onStep("Step 4 of 6"), next,
        onStep("Step 5 of 6"), next,
        onStep("Step 6 of 6"),
        [&] {
            finishShown = IsWindowVisible(GetDlgItem(sheet, kFinishButton)) != FALSE;
            PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
            return true;
        },
        [&] {
            if (!WindowsTitled("Step 6 of 6").empty()) return false;
            PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
    });
    Run();
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_TRUE(steps.Done());
    EXPECT_TRUE(finishShown);
    RegValue value;
    std::string text;
    ASSERT_TRUE(tree.registry().Read(Hive::LocalMachine, kStack9xKey, "DefaultTTL", value));
    ASSERT_TRUE(AsText(value, text));
    EXPECT_EQ("32", text);
    ASSERT_TRUE(tree.registry().Read(Hive::LocalMachine, kStack9xKey, "GlobalMaxTcpWindoSize", value));
    ASSERT_TRUE(AsText(value, text));
    EXPECT_EQ("256960", text);
    EXPECT_FALSE(tree.registry().Read(Hive::LocalMachine, kStackNTKey, "DefaultTTL", value));
    ASSERT_EQ(1u, prompt.texts.size());
    EXPECT_THAT(prompt.texts[0], HasSubstr("has boosted your internet connections"));
}

// Dial-up with a modem at 115200 on NT: every page, the range prompts on the
// receive-window and TTL pages, Finish on the modem page, then Reset.
TEST_F(TessalineAppTest, OneRunOfTheWizardAppliesAndResetPutsTheSystemBack) {
    VersionSeam xp(WindowsXP);
    std::string modem(40, '\0');
    modem[25] = '\xC2';
    modem[26] = '\x01';
    const std::string modemKey = std::string(kModemClassNTKey) + "\\0000";
    tree.Set(Hive::LocalMachine, modemKey, "Properties", RegValue{kRegBinary, modem});
    tree.SetDword(kStackNTKey, "DefaultTTL", 99);
    tree.Set(Hive::CurrentUser, kInternetSettingsKey, "MaxConnectionsPerServer", DwordValue(2));
    const test::Snapshot seed = tree.Take();

    HWND sheet = nullptr;
    size_t sheetsAfterSecondClick = 0;
    std::string rangePrompt;
    std::string multiplierAfterPrompt;
    bool stayedOnTtlPage = false;
    std::uint32_t appliedTtl = 0;
    std::uint32_t appliedHttp10 = 0;
    std::string boosted;
    bool resetEnabledAfterFinish = false;
    bool resetEnabledAfterReset = true;

    auto onStep = [&](const char* title) {
        return [&sheet, title] { return sheet && Title(sheet).find(title) == 0; };
    };
    auto next = [&] {
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
        return true;
    };
    uitest::Watchdog watchdog(30000);
    uitest::Steps steps({
        [&] { return ClickOnMain(IDC_SET_SETTINGS); },
        [&] {
            std::vector<HWND> found = WindowsTitled("Step 1 of 8");
            if (found.empty()) return false;
            sheet = found[0];
            Click(main, IDC_SET_SETTINGS);  // a second click while the wizard runs
            return true;
        },
        [&] {
            sheetsAfterSecondClick = WindowsTitled("Step 1 of 8").size();
            return next();
        },
        onStep("Step 2 of 8"), next,
        onStep("Step 3 of 8"), next,
        onStep("Step 4 of 8"),
        [&] {
            HWND page = Page(sheet);
            SetDlgItemTextA(page, IDC_MULTIPLIER_EDIT, "0");
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_MULTIPLIER_EDIT, EN_KILLFOCUS),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_MULTIPLIER_EDIT)));
            char text[32] = "";
            GetDlgItemTextA(page, IDC_MULTIPLIER_EDIT, text, sizeof(text));
            multiplierAfterPrompt = text;
            return next();
        },
        onStep("Step 5 of 8"),
        [&] {
            HWND page = Page(sheet);
            SetDlgItemTextA(page, IDC_TTL_EDIT, "300");
            SetDlgItemTextA(page, IDC_HTTP_1_0_EDIT, "3");
            return next();
        },
        [&] { return uitest::AnswerMessageBox(IDOK, &rangePrompt); },
        [&] {
            stayedOnTtlPage = Title(sheet).find("Step 5 of 8") == 0;
            SetDlgItemTextA(Page(sheet), IDC_TTL_EDIT, "128");
            return next();
        },
        onStep("Step 6 of 8"), next,
        onStep("Step 7 of 8"), next,
        onStep("Step 8 of 8"), next,
        onStep("Boost the Modem"),
        [&] {
            PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
            return true;
        },
        [&] {
            if (!WindowsTitled("Boost the Modem").empty()) return false;
            RegValue value;
            tree.registry().Read(Hive::LocalMachine, kStackNTKey, "DefaultTTL", value);
            AsDword(value, appliedTtl);
            tree.registry().Read(Hive::CurrentUser, kInternetSettingsKey,
                                 "MaxConnectionsPer1_0Server", value);
            AsDword(value, appliedHttp10);
            tree.registry().Read(Hive::LocalMachine, modemKey, "Properties", value);
            boosted = value.data.substr(24, 4);
            resetEnabledAfterFinish = ResetEnabled();
            Click(main, IDC_RESET_SETTINGS);
            return true;
        },
        [&] {
            resetEnabledAfterReset = ResetEnabled();
            PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
    });
    Run();
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_TRUE(steps.Done());

    EXPECT_EQ(1u, sheetsAfterSecondClick);
    EXPECT_EQ("3", multiplierAfterPrompt);
    EXPECT_EQ("Please enter an integer between 0 and 255.", rangePrompt);
    EXPECT_TRUE(stayedOnTtlPage);
    EXPECT_EQ(128u, appliedTtl);
    EXPECT_EQ(20u, appliedHttp10);
    EXPECT_EQ(std::string("\x00\x0A\x0E\x00", 4), boosted);
    EXPECT_TRUE(resetEnabledAfterFinish);
    EXPECT_FALSE(resetEnabledAfterReset);
    ASSERT_EQ(3u, prompt.texts.size());
    EXPECT_EQ("Valid range of RWIN is from MSS to 1073741823.", prompt.texts[0]);
    EXPECT_THAT(prompt.texts[1], HasSubstr("has boosted your internet connections"));
    EXPECT_THAT(prompt.texts[2], HasSubstr("has reset your system to the backup settings"));

    // Everything is as seeded, the boosted modem included.
    EXPECT_EQ(seed, tree.Take());
}

}  // namespace
}  // namespace tuning
