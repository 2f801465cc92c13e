// The Sub Folder Options and alert dialogs driven inside their modal loops.
#include <gtest/gtest.h>

#include "platform/ui/tests/ui_driver.h"
#include "shredder/pages/alert_dlg.h"
#include "shredder/pages/path_choosers.h"
#include "shredder/pages/sub_folder_options_dlg.h"
#include "shredder/res/alert_dlg_res.h"
#include "shredder/res/sub_folder_options_dlg_res.h"

namespace {

using namespace shredder;

BOOL CALLBACK TakeDialog(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The dialog this thread shows (other programs may hold the foreground).
HWND OpenDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), TakeDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

TEST(SubFolderOptionsDialog, RemoveGroupFollowsTheSubfolderChoice) {
    ShredderTexts texts;
    CSkin skin;
    CSubFolderOptionsDlg dialog(texts, skin, "C:\\", nullptr);
    SubFolderOptions options{kChoiceNever, kChoiceAlways};
    bool greyedAtStart = false, enabledAfterPrompt = false;
    uitest::Watchdog watchdog;
    uitest::Steps steps({[&] {
        HWND window = OpenDialog();
        if (!window) return false;
        greyedAtStart = !Enabled(window, IDC_REMOVE_GROUP) && !Enabled(window, IDC_REMOVE_NEVER) &&
                        !Enabled(window, IDC_REMOVE_PROMPT) && !Enabled(window, IDC_REMOVE_ALWAYS);
        Click(window, IDC_SUBFOLDER_PROMPT);
        enabledAfterPrompt = Enabled(window, IDC_REMOVE_GROUP) && Enabled(window, IDC_REMOVE_ALWAYS);
        Click(window, IDC_REMOVE_PROMPT);
        Click(window, IDOK);
        return true;
    }});
    ASSERT_TRUE(dialog.EditSubFolderOptions(options));
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(greyedAtStart);
    EXPECT_TRUE(enabledAfterPrompt);
    EXPECT_EQ(kChoicePrompt, options.folder);
    EXPECT_EQ(kChoicePrompt, options.remove);
}

TEST(AlertDialog, OnlyOkCountsAndReportsTheBox) {
    ShredderTexts texts;
    CSkin skin;
    CAlertDlg dialog(texts, skin, nullptr);
    std::string notice;
    for (int closing : {IDOK, IDCANCEL}) {
        uitest::Watchdog watchdog;
        uitest::Steps steps({[&] {
            HWND window = OpenDialog();
            if (!window) return false;
            notice = ui::WindowText(GetDlgItem(window, IDC_ALERT_TEXT));
            Click(window, IDC_ALERT_DONT_SHOW);
            if (closing == IDOK)
                Click(window, IDOK);
            else
                PostMessageA(window, WM_CLOSE, 0, 0);
            return true;
        }});
        const AlertResult result = dialog.ShowAlert(kAlertRecycleBin);
        EXPECT_FALSE(watchdog.Fired());
        EXPECT_NE(std::string::npos, notice.find("Recycle Bin"));
        EXPECT_EQ(closing == IDOK, result.ok);
        EXPECT_EQ(closing == IDOK, result.dontShowAgain);
    }
}

TEST(OpenFileChoice, EveryChosenNameBecomesOneFullPath) {
    const char several[] = "C:\\dir\0a.txt\0b c.txt\0";
    EXPECT_EQ((std::vector<std::string>{"C:\\dir\\a.txt", "C:\\dir\\b c.txt"}),
              SplitChosenFiles(several));
    const char atRoot[] = "C:\\\0a.txt\0b.txt\0";
    EXPECT_EQ((std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}), SplitChosenFiles(atRoot));
    const char one[] = "C:\\dir\\only.txt\0";
    EXPECT_EQ(std::vector<std::string>{"C:\\dir\\only.txt"}, SplitChosenFiles(one));
}

}  // namespace
