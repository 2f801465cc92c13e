// A skinned window with every piece of Corbelt's look, to see them together:
// the frame and caption, the tab bar switching two pages, a striped list,
// push buttons, the language box and the tray icon.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/ui/app.h"
#include "platform/ui/module.h"
#include "privacy/look/button_animate.h"
#include "privacy/look/demo/look_demo_res.h"
#include "privacy/look/dialog_skin.h"
#include "privacy/look/language_combo.h"
#include "privacy/look/language_texts.h"
#include "privacy/look/look_messages.h"
#include "privacy/look/page_container.h"
#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_classes.h"
#include "privacy/look/skin_res.h"
#include "privacy/look/striped_list.h"
#include "privacy/look/tray_icon.h"

namespace {

using namespace privacy;

class ListPage : public ui::Dialog {
public:
    ListPage() : Dialog(IDD_LOOK_DEMO_LIST) {}

protected:
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        list_.SubclassDlgItem(IDC_DEMO_LIST, Handle());
        list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        list_.SetCommands(IDR_LOOK_DEMO_MENU, ID_DEMO_OPEN, ID_DEMO_REMOVE);
        list_.InsertColumn(0, Text(13), 250);
        list_.InsertColumn(1, Text(14), 60);
        list_.InsertColumn(2, Text(16), 100);
        const char* sites[] = {"www.example.com", "ads.example.net", "images.example.org",
                               "news.example.com", "shop.example.net", "mail.example.org",
                               "cdn.example.com", "search.example.net"};
        int hits = 3;
        for (const char* site : sites) {
            const int row = list_.InsertItem(list_.GetItemCount(), site);
            list_.SetItemText(row, 1, std::to_string(hits));
            list_.SetItemText(row, 2, Text(row % 2 ? 19 : 20));
            hits = hits * 7 % 41 + 1;
        }
        refresh_.BindDlgItem(IDC_DEMO_REFRESH, Handle());
        clear_.BindDlgItem(IDC_DEMO_CLEAR, Handle());
        disabled_.BindDlgItem(IDC_DEMO_DISABLED, Handle());
        TagForLanguage(Handle());
        return true;
    }

private:
    CStripedListCtrl list_;
    CSkinButton refresh_, clear_, disabled_;
};

class TextPage : public ui::Dialog {
public:
    TextPage() : Dialog(IDD_LOOK_DEMO_TEXT) {}
};

class DemoDialog : public CDialogSkin1 {
public:
    DemoDialog() : CDialogSkin1(IDD_LOOK_DEMO) {}

protected:
    bool OnInitDialog() override {
        CDialogSkin1::OnInitDialog();
        TagForLanguage(Handle());
        SetText(Text(1));
        CreateTabs();
        CreatePages();
        help_.BindDlgItem(IDC_DEMO_HELP, Handle());
        language_.BindDlgItem(IDC_DEMO_LANGUAGE, Handle());
        tray_ = std::make_unique<CTrayIcon>(ui::ResourceModule(), 1, 1);
        tray_->SetIcon(0, 0, IDI_CORBELT, 500);
        tray_->Show(0, CTrayIcon::kStatic);
        ApplyCommandLine();
        return true;
    }

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
        case WM_TAB_SELECTED:
            pages_.ShowPage(static_cast<int>(lp));
            return 0;
        case WM_LANGUAGE_CHANGED:
            SetText(Text(1));
            for (int i = 0; i < tabs_.TabCount(); ++i) tabs_.SetTabText(i, Text(2 + i));
            SetItemText(IDC_DEMO_HELP, Text(7));
            return 0;
        }
        return CDialogSkin1::WindowProc(msg, wp, lp);
    }

private:
    RECT Placeholder(int id, bool screen) {
        RECT rect;
        GetWindowRect(Item(id), &rect);
        if (!screen) MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // "tab <n>" chooses a tab as a click would; "language <name>" switches
    // the texts as the language box would.
    void ApplyCommandLine() {
        const std::string line = ui::App::Current()->CommandLine();
        const size_t tab = line.find("tab ");
        if (tab != std::string::npos) {
            if (CGoldButton* button = tabs_.Tab(std::atoi(line.c_str() + tab + 4))) {
                button->Send(WM_LBUTTONDOWN, MK_LBUTTON, 0);
            }
        }
        const size_t language = line.find("language ");
        if (language != std::string::npos) {
            SetLanguageName(line.substr(language + 9));
            LoadLanguage();
            language_.Fill();
        }
    }

    void CreateTabs() {
        RECT rect = Placeholder(IDC_DEMO_TABS, false);
        DestroyWindow(Item(IDC_DEMO_TABS));
        tabs_.Create(rect, Handle(), 9000);
        tabs_.SetButtonHeight(25);
        const COLORREF own[] = {RGB(255, 0, 0), RGB(0, 130, 0), RGB(0, 0, 255), RGB(200, 255, 0),
                                RGB(0, 200, 255)};
        for (int i = 0; i < 5; ++i) {
            tabs_.AddTab(Text(2 + i), SkinClasses().tabNormal, SkinClasses().tabPressed, true,
                         RGB(160, 160, 160), own[i]);
        }
    }

    void CreatePages() {
        pages_.SetFrame(Placeholder(IDC_DEMO_PAGES, true), false);
        DestroyWindow(Item(IDC_DEMO_PAGES));
        pages_.AddPage(Handle(), std::make_unique<ListPage>());
        for (int i = 1; i < 5; ++i) pages_.AddPage(Handle(), std::make_unique<TextPage>());
        pages_.ShowPage(0);
    }

    CButtonAnimate tabs_;
    CPageContainer pages_;
    CSkinButton help_;
    CLanguageCombo language_;
    std::unique_ptr<CTrayIcon> tray_;
};

class DemoApp : public ui::App {
protected:
    bool InitInstance() override {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
        InitCommonControlsEx(&controls);
        SetProgramFolder(ProgramFolder());
        LoadSkinBitmaps();
        RegisterSkinWindowClasses();
        DemoDialog dialog;
        dialog.DoModal();
        return false;
    }
} theApp;

}  // namespace
