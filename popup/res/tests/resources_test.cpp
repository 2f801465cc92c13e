// The compiled resources agree with the ids the program uses: every dialog
// loads and holds the controls its code addresses, the tray menu holds every
// command, the icons, strings and version values read back.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "popup/res/resource_ids.h"

namespace popup {

namespace {

struct DialogCase {
    const char* name;
    int id;
    std::vector<int> controls;
    int runtimeSkin;  // created at run time, so absent from the template
};

const std::vector<DialogCase>& Dialogs() {
    static const std::vector<DialogCase> dialogs = {
        {"about", IDD_ABOUTBOX,
         {IDOK, IDC_ABOUT_TEXT, IDC_ABOUT_WEBSITE, IDC_ABOUT_FILE_VERSION, IDC_ABOUT_COPYRIGHT},
         IDC_SKIN},
        {"counter", IDD_COUNTER, {IDC_COUNTER_LABEL, IDC_COUNTER_COUNT}, IDC_SKIN},
        {"tray notice", IDD_TRAY_NOTICE, {IDOK, IDC_NOTICE_DONT_SHOW, IDC_NOTICE_TEXT}, IDC_SKIN},
        {"popups page", IDD_POPUP_PAGE,
         {IDC_POPUP_ENABLE_CATCH, IDC_POPUP_SOUND_ALERT, IDC_POPUP_BROWSER_GROUP,
          IDC_POPUP_SET_PROXY, IDC_POPUP_RESET_PROXY, IDC_POPUP_BANNER_BLOCK, IDC_POPUP_WARNING},
         IDC_SKIN},
        {"options page", IDD_OPTIONS_PAGE,
         {IDC_OPT_STARTUP_GROUP, IDC_OPT_WINDOWS_STARTUP, IDC_OPT_MANUAL_START,
          IDC_OPT_IE_STARTUP, IDC_OPT_GENERAL_GROUP, IDC_OPT_LANGUAGE, IDC_OPT_LANGUAGE_GROUP,
          IDC_OPT_TEST_SOUND, IDC_OPT_ALWAYS_ON_TOP, IDC_OPT_CLOSE_TO_TRAY, IDC_OPT_SOUND_GROUP,
          IDC_OPT_SOUND_NAME, IDC_OPT_CURRENT_LABEL, IDC_OPT_CHANGE_LABEL, IDC_OPT_SOUND},
         IDC_SKIN},
        {"activex page", IDD_ACTIVEX_PAGE,
         {IDC_AX_ZONE_LABEL, IDC_AX_ZONE, IDC_AX_NOTE,
          IDC_AX_SIGNED_GROUP, IDC_AX_SIGNED_ENABLE, IDC_AX_SIGNED_DISABLE, IDC_AX_SIGNED_PROMPT,
          IDC_AX_UNSIGNED_GROUP, IDC_AX_UNSIGNED_ENABLE, IDC_AX_UNSIGNED_DISABLE,
          IDC_AX_UNSIGNED_PROMPT,
          IDC_AX_UNSAFE_GROUP, IDC_AX_UNSAFE_ENABLE, IDC_AX_UNSAFE_DISABLE, IDC_AX_UNSAFE_PROMPT,
          IDC_AX_SAFE_GROUP, IDC_AX_SAFE_ENABLE, IDC_AX_SAFE_DISABLE, IDC_AX_SAFE_PROMPT,
          IDC_AX_RUN_GROUP, IDC_AX_RUN_ENABLE, IDC_AX_RUN_DISABLE, IDC_AX_RUN_PROMPT,
          IDC_AX_RUN_ADMIN},
         IDC_ACTIVEX_SKIN},
        {"wizard browsers page", IDD_WIZARD_BROWSERS,
         {IDC_BROWSERS_HEADING, IDC_BROWSERS_NOTE, IDC_BROWSERS_IE, IDC_BROWSERS_NETSCAPE,
          IDC_BROWSERS_OPERA},
         IDC_SKIN},
        {"wizard proxy page", IDD_WIZARD_PROXY,
         {IDC_PROXY_CONNECTION_GROUP, IDC_PROXY_OPERA_GROUP, IDC_PROXY_GREYED_NOTE,
          IDC_PROXY_NOTE, IDC_PROXY_LAN, IDC_PROXY_CHECK_ALL, IDC_PROXY_UNCHECK_ALL,
          IDC_PROXY_CONNECTIONS, IDC_PROXY_DIALUP, IDC_PROXY_OPERA6, IDC_PROXY_OPERA7},
         IDC_SKIN},
        {"wizard profiles page", IDD_WIZARD_PROFILES,
         {IDC_PROFILES_GREYED_NOTE, IDC_PROFILES_HEADING, IDC_PROFILES_CHECK_ALL,
          IDC_PROFILES_UNCHECK_ALL, IDC_PROFILES_LIST},
         IDC_SKIN},
        {"wizard finish page", IDD_WIZARD_FINISH, {IDC_FINISH_TEXT}, IDC_FINISH_SKIN},
    };
    return dialogs;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// One dialog created hidden from the test's own resources; pages and other
// child templates get a hidden parent.
class Dialog {
public:
    explicit Dialog(int id) {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        window_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), parent_,
                                     PlainDialogProc, 0);
    }
    ~Dialog() {
        if (window_) DestroyWindow(window_);
        DestroyWindow(parent_);
    }
    HWND window() const { return window_; }
    HWND item(int id) const { return GetDlgItem(window_, id); }
    bool checked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

private:
    HWND parent_ = nullptr;
    HWND window_ = nullptr;
};

class Resources : public testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
        InitCommonControlsEx(&classes);
    }
};

TEST_F(Resources, EveryDialogHoldsTheControlsItsCodeAddresses) {
    for (const DialogCase& dialog : Dialogs()) {
        SCOPED_TRACE(dialog.name);
        Dialog d(dialog.id);
        ASSERT_NE(nullptr, d.window()) << "template does not load";
        EXPECT_FALSE(IsWindowVisible(d.window()));
        for (int control : dialog.controls) {
            EXPECT_NE(nullptr, d.item(control)) << "control " << control << " missing";
        }
        EXPECT_EQ(nullptr, d.item(dialog.runtimeSkin))
            << "id " << dialog.runtimeSkin << " is taken by the skin control at run time";
    }
}

TEST_F(Resources, ListsAndPictureBoxesAreTheCommonControls) {
    Dialog options(IDD_OPTIONS_PAGE), activex(IDD_ACTIVEX_PAGE);
    Dialog proxy(IDD_WIZARD_PROXY), profiles(IDD_WIZARD_PROFILES);
    EXPECT_EQ(WC_COMBOBOXEXA, ClassOf(options.item(IDC_OPT_LANGUAGE)));
    EXPECT_EQ("ComboBox", ClassOf(options.item(IDC_OPT_SOUND)));
    EXPECT_EQ(WC_COMBOBOXEXA, ClassOf(activex.item(IDC_AX_ZONE)));
    EXPECT_EQ(WC_LISTVIEWA, ClassOf(proxy.item(IDC_PROXY_CONNECTIONS)));
    EXPECT_EQ(WC_LISTVIEWA, ClassOf(profiles.item(IDC_PROFILES_LIST)));
}

// Each policy group's buttons exclude one another and no other group's.
TEST_F(Resources, ActiveXPolicyGroupsAreIndependentRadioGroups) {
    const std::vector<std::vector<int>> groups = {
        {IDC_AX_SIGNED_ENABLE, IDC_AX_SIGNED_DISABLE, IDC_AX_SIGNED_PROMPT},
        {IDC_AX_UNSIGNED_ENABLE, IDC_AX_UNSIGNED_DISABLE, IDC_AX_UNSIGNED_PROMPT},
        {IDC_AX_UNSAFE_ENABLE, IDC_AX_UNSAFE_DISABLE, IDC_AX_UNSAFE_PROMPT},
        {IDC_AX_SAFE_ENABLE, IDC_AX_SAFE_DISABLE, IDC_AX_SAFE_PROMPT},
        {IDC_AX_RUN_ENABLE, IDC_AX_RUN_DISABLE, IDC_AX_RUN_PROMPT, IDC_AX_RUN_ADMIN},
    };
    Dialog page(IDD_ACTIVEX_PAGE);
    ASSERT_NE(nullptr, page.window());
    EnableWindow(page.window(), TRUE);
    for (const auto& group : groups) SendMessageA(page.item(group[0]), BM_CLICK, 0, 0);
    for (size_t g = 0; g < groups.size(); ++g) {
        SCOPED_TRACE(g);
        EXPECT_TRUE(page.checked(groups[g][0]));
    }
    for (size_t g = 0; g < groups.size(); ++g) {
        SCOPED_TRACE(g);
        SendMessageA(page.item(groups[g].back()), BM_CLICK, 0, 0);
        EXPECT_TRUE(page.checked(groups[g].back()));
        EXPECT_FALSE(page.checked(groups[g][0]));
        if (g + 1 < groups.size()) {
            EXPECT_TRUE(page.checked(groups[g + 1][0]));
        }
    }
}

TEST_F(Resources, StartModeButtonsFormOneRadioGroup) {
    Dialog page(IDD_OPTIONS_PAGE);
    ASSERT_NE(nullptr, page.window());
    EnableWindow(page.window(), TRUE);
    SendMessageA(page.item(IDC_OPT_WINDOWS_STARTUP), BM_CLICK, 0, 0);
    SendMessageA(page.item(IDC_OPT_MANUAL_START), BM_CLICK, 0, 0);
    EXPECT_FALSE(page.checked(IDC_OPT_WINDOWS_STARTUP));
    EXPECT_FALSE(page.checked(IDC_OPT_IE_STARTUP));
    EXPECT_TRUE(page.checked(IDC_OPT_MANUAL_START));
}

TEST_F(Resources, TrayMenuHoldsEveryCommandInOrder) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    ASSERT_NE(nullptr, menu);
    HMENU tray = GetSubMenu(menu, 0);
    ASSERT_NE(nullptr, tray);
    std::vector<int> commands;
    for (int i = 0; i < GetMenuItemCount(tray); ++i) {
        UINT id = GetMenuItemID(tray, i);
        if (id != 0) commands.push_back(static_cast<int>(id));  // separators read 0
    }
    const std::vector<int> expected = {ID_TRAY_SHOW,          ID_TRAY_ENABLE,       ID_TRAY_BLOCK_ADS,
                                       ID_TRAY_SHOW_COUNTER,  ID_TRAY_CLEAR_COUNTER, ID_TRAY_HELP,
                                       ID_TRAY_ABOUT,         ID_TRAY_EXIT};
    EXPECT_EQ(expected, commands);
    DestroyMenu(menu);
}

std::string VersionValue(const std::vector<char>& block, const std::string& name) {
    void* value = nullptr;
    UINT length = 0;
    std::string path = "\\StringFileInfo\\040904b0\\" + name;
    if (!VerQueryValueA(block.data(), path.c_str(), &value, &length) || !value) return "";
    return static_cast<const char*>(value);
}

std::vector<char> OwnVersionBlock() {
    char file[MAX_PATH];
    GetModuleFileNameA(nullptr, file, MAX_PATH);
    DWORD handle = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(file, &handle));
    if (block.empty() || !GetFileVersionInfoA(file, 0, block.size(), block.data())) block.clear();
    return block;
}

TEST_F(Resources, VersionBlockReadsBack) {
    std::vector<char> block = OwnVersionBlock();
    ASSERT_FALSE(block.empty());
    for (const char* name : {"FileVersion", "ProductVersion", "LegalCopyright", "FileDescription",
                             "ProductName"}) {
        EXPECT_NE("", VersionValue(block, name)) << name;
    }
    EXPECT_EQ("Velmora", VersionValue(block, "CompanyName"));
}

// The About box shows the version values that its two labels name.
TEST_F(Resources, AboutBoxLabelsNameVersionValues) {
    std::vector<char> block = OwnVersionBlock();
    Dialog about(IDD_ABOUTBOX);
    ASSERT_NE(nullptr, about.window());
    for (int label : {IDC_ABOUT_FILE_VERSION, IDC_ABOUT_COPYRIGHT}) {
        std::string name = TextOf(about.item(label));
        EXPECT_NE("", VersionValue(block, name)) << "label " << label << " names \"" << name << '"';
    }
}

TEST_F(Resources, IconsLoadAtTrayAndListSize) {
    for (int id : {IDI_HALVANE, IDI_TRAY_ON, IDI_TRAY_OFF, IDI_ZONE_TRUSTED, IDI_ZONE_INTERNET,
                   IDI_ZONE_INTRANET, IDI_ZONE_RESTRICTED}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
        EXPECT_NE(nullptr, icon) << id;
        if (icon) DestroyIcon(icon);
    }
    EXPECT_NE(nullptr, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_HALVANE)));
}

TEST_F(Resources, StringsLoad) {
    for (int id : {IDS_ABOUTBOX, IDS_SOCKETS_INIT_FAILED, IDS_WIZARD_CAPTION}) {
        char text[256] = "";
        EXPECT_GT(LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text), 0) << id;
    }
}

}  // namespace

}  // namespace popup
