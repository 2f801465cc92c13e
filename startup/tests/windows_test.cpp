#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/ui/tests/ui_driver.h"
#include "startup/app/add_task_dlg.h"
#include "startup/app/quarrow_run.h"
#include "startup/core/settings.h"
#include "startup/res/resource_ids.h"
#include "startup/tests/quarrow_fixture.h"

namespace startup {
namespace {

class FakePrompt : public ui::MessagePrompt {
public:
    int Show(const std::string& text, const std::string&, unsigned) override {
        texts.push_back(text);
        return answer;
    }
    std::vector<std::string> texts;
    int answer = IDYES;
};

class FakeShell : public Shell {
public:
    bool Run(const std::string& commandLine) override {
        runs.push_back(commandLine);
        return true;
    }
    void Open(const std::string&, const std::string&) override {}
    std::string PickFile(HWND, bool, const std::string&, const char*) override { return picked; }
    std::vector<std::string> runs;
    std::string picked;
};

std::vector<unsigned> g_exits;
bool RecordExit(unsigned flags) {
    g_exits.push_back(flags);
    return true;
}

struct Search {
    int item;
    HWND found;
};

BOOL CALLBACK FindByItem(HWND hwnd, LPARAM lp) {
    Search& search = *reinterpret_cast<Search*>(lp);
    if (GetDlgItem(hwnd, search.item) && IsWindowVisible(hwnd)) {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The open window of this thread that holds the control `item`.
HWND WindowWith(int item) {
    Search search = {item, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindByItem, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ItemText(HWND window, int item) {
    char text[512] = {};
    GetDlgItemTextA(window, item, text, sizeof(text));
    return text;
}

std::string Cell(HWND window, int row, int column) {
    char text[512] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendDlgItemMessageA(window, IDC_LIST, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

void Command(HWND window, int id, int code = BN_CLICKED) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void Choose(HWND window, int combo, int index) {
    SendDlgItemMessageA(window, combo, CB_SETCURSEL, index, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, combo)));
}

// The index of a language in the chooser, -1 when absent.
int LanguageIndex(HWND window, const std::string& name) {
    HWND combo = GetDlgItem(window, IDC_LANGUAGE);
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        SendMessageA(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        if (name == text) return i;
    }
    return -1;
}

class WindowsTest : public QuarrowFixture {
protected:
    WindowsTest() : QuarrowFixture("quarrow-windows") {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
        InitCommonControlsEx(&controls);
        seams_.programFolder = dir_.file("prog");
        seams_.places = places_;
        seams_.prompt = &prompt_;
        seams_.shell = &shell_;
        seams_.exitWindows = RecordExit;
        instance_ = "quarrow-test-" + std::to_string(GetCurrentProcessId());
        g_exits.clear();
    }

    FakePrompt prompt_;
    FakeShell shell_;
    QuarrowSeams seams_;
    std::string instance_;
};

TEST_F(WindowsTest, SecondInstanceEndsWithoutTouchingTheLanguageChoice) {
    HANDLE first = CreateMutexA(nullptr, FALSE, instance_.c_str());
    ASSERT_TRUE(WriteLanguageSetting("Deutsch.ini"));
    uitest::Watchdog watchdog;
    EXPECT_EQ(RunQuarrow(seams_, instance_.c_str()), 1);
    EXPECT_EQ(ReadLanguageSetting(), "Deutsch.ini");
    EXPECT_FALSE(watchdog.Fired());
    CloseHandle(first);
}

TEST_F(WindowsTest, MainFormDisablesAppliesLogsOffAndKeepsTheLanguage) {
    SetRun(HKEY_CURRENT_USER, "Run", "Tool", "tool.exe");
    dir_.write("prog\\Lang\\English.ini", "[Brackwell Language Pack]\r\n");
    dir_.write("prog\\Lang\\Deutsch.ini",
               "[Brackwell Language Pack]\r\n104=Alles zuruecksetzen\r\n413=Aktiv\r\n423=Aus\r\n");
    std::string data;
    HWND form = nullptr;
    uitest::Watchdog watchdog(20000);
    uitest::Steps steps({
        [&] {
            form = WindowWith(IDC_LIST);
            if (!form) return false;
            EXPECT_EQ(ItemText(form, IDC_DISABLE), "&Disable");
            EXPECT_EQ(Cell(form, 0, 1), "Enabled");
            Command(form, IDC_DISABLE);
            return true;
        },
        [&] {
            EXPECT_EQ(Cell(form, 0, 1), "Disabled");
            EXPECT_EQ(ItemText(form, IDC_DISABLE), "&Enable");
            Command(form, ID_APPLY_LOGOFF, 0);
            return true;
        },
        [&] {
            EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, "Run", "Tool", &data));
            EXPECT_TRUE(StoreExists());
            EXPECT_EQ(g_exits, std::vector<unsigned>{EWX_LOGOFF});
            // Another language: captions and the list follow it.
            Choose(form, IDC_LANGUAGE, LanguageIndex(form, "Deutsch"));
            return true;
        },
        [&] {
            EXPECT_EQ(ItemText(form, IDC_RESET), "Alles zuruecksetzen");
            EXPECT_EQ(Cell(form, 0, 1), "Aus");
            PostMessageA(form, WM_CLOSE, 0, 0);
            return true;
        },
    });
    EXPECT_EQ(RunQuarrow(seams_, instance_.c_str()), 0);
    EXPECT_TRUE(steps.Done());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(prompt_.texts.size(), 1u);  // the language question
    EXPECT_EQ(ReadLanguageSetting(), "Deutsch.ini");
}

TEST_F(WindowsTest, HelpSaysSoWhenTheHelpFileIsMissing) {
    uitest::Watchdog watchdog(20000);
    uitest::Steps steps({
        [&] {
            HWND form = WindowWith(IDC_LIST);
            if (!form) return false;
            Command(form, ID_HELP_INDEX, 0);
            PostMessageA(form, WM_CLOSE, 0, 0);
            return true;
        },
    });
    EXPECT_EQ(RunQuarrow(seams_, instance_.c_str()), 0);
    EXPECT_TRUE(steps.Done());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(prompt_.texts, std::vector<std::string>{"Cannot locate HTML Help file Olvendt.chm"});
}

class AddTaskTest : public WindowsTest {
protected:
    bool Run(std::vector<uitest::Step> steps, EntryRow* row) {
        AddTaskOptions options;
        options.language = &language_;
        options.prompt = &prompt_;
        options.shell = &shell_;
        options.winIniLoad = winIniLoad_;
        options.nameTaken = [this](int place, const std::string& name) {
            return place == taken_.place && name == taken_.entry.taskName;
        };
        uitest::Watchdog watchdog(10000);
        uitest::Steps driver(std::move(steps));
        const bool added = ShowAddTask(nullptr, options, row);
        EXPECT_TRUE(driver.Done());
        EXPECT_FALSE(watchdog.Fired());
        return added;
    }
    std::string winIniLoad_;
    EntryRow taken_;
};

TEST_F(AddTaskTest, WinIniLocationNamesTheEntryAndAsksBeforeReplacing) {
    winIniLoad_ = "old.exe";
    prompt_.answer = IDYES;
    EntryRow row;
    HWND dialog = nullptr;
    const bool added = Run({[&] {
                                dialog = WindowWith(IDC_ADD_IN);
                                if (!dialog) return false;
                                EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_TASK_NAME)));
                                Choose(dialog, IDC_ADD_IN, kWinIniLoad);
                                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_TASK_NAME)));
                                SetDlgItemTextA(dialog, IDC_LOCATION, "C:\\load.exe");
                                Command(dialog, IDOK);
                                return true;
                            }},
                           &row);
    ASSERT_TRUE(added);
    EXPECT_EQ(row.entry.taskName, "Win.ini Load");
    EXPECT_EQ(row.entry.loadFrom, "Win.ini Load");
    EXPECT_EQ(row.entry.location, "C:\\load.exe");
    EXPECT_EQ(row.place, kWinIniLoad);
    ASSERT_EQ(prompt_.texts.size(), 1u);
    EXPECT_NE(prompt_.texts[0].find("old.exe"), std::string::npos);
}

TEST_F(AddTaskTest, NameInUseAsksBeforeReplacingAndNoKeepsTheOldEntry) {
    taken_.place = kUserRun;
    taken_.entry.taskName = "Tool";
    prompt_.answer = IDNO;
    EntryRow row;
    HWND dialog = nullptr;
    const bool added = Run({[&] {
                                dialog = WindowWith(IDC_ADD_IN);
                                if (!dialog) return false;
                                SetDlgItemTextA(dialog, IDC_TASK_NAME, "Tool");
                                SetDlgItemTextA(dialog, IDC_LOCATION, "C:\\other.exe");
                                Command(dialog, IDOK);
                                return true;
                            },
                            [&] {
                                // Still open: the user may pick another name.
                                EXPECT_TRUE(IsWindow(dialog));
                                Command(dialog, IDCANCEL);
                                return true;
                            }},
                           &row);
    EXPECT_FALSE(added);
    ASSERT_EQ(prompt_.texts.size(), 1u);
    EXPECT_NE(prompt_.texts[0].find("Tool (Registry(User Run))"), std::string::npos);
}

TEST_F(AddTaskTest, EmptyFieldShowsTheMessageAndAddsNothing) {
    EntryRow row;
    const bool added = Run({[&] {
                               HWND dialog = WindowWith(IDC_ADD_IN);
                               if (!dialog) return false;
                               SetDlgItemTextA(dialog, IDC_TASK_NAME, "Named");
                               Command(dialog, IDOK);
                               return true;
                           }},
                          &row);
    EXPECT_FALSE(added);
    EXPECT_EQ(prompt_.texts, std::vector<std::string>{"Please fill in the task name and its location."});
}

TEST_F(AddTaskTest, ShortcutNameThatIsNoFileNameIsRefused) {
    EntryRow row;
    HWND dialog = nullptr;
    const bool added = Run({[&] {
                                dialog = WindowWith(IDC_ADD_IN);
                                if (!dialog) return false;
                                Choose(dialog, IDC_ADD_IN, kUserStartup);
                                SetDlgItemTextA(dialog, IDC_TASK_NAME, "..\\evil");
                                SetDlgItemTextA(dialog, IDC_LOCATION, "C:\\app.exe");
                                Command(dialog, IDOK);
                                return true;
                            },
                            [&] {
                                // Refused, and open for a better name.
                                EXPECT_EQ(prompt_.texts.size(), 1u);
                                EXPECT_TRUE(IsWindow(dialog));
                                SetDlgItemTextA(dialog, IDC_TASK_NAME, "App");
                                Command(dialog, IDOK);
                                return true;
                            }},
                           &row);
    ASSERT_TRUE(added);
    EXPECT_EQ(row.entry.taskName, "App");
    EXPECT_EQ(row.entry.loadFrom, "StartUp (Current User)");
    EXPECT_EQ(row.entry.user, "Current User");
}

}  // namespace
}  // namespace startup
