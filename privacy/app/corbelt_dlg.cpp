#include "privacy/app/corbelt_dlg.h"

#include <htmlhelp.h>

#include "platform/ui/html_help.h"
#include "platform/ui/module.h"
#include "privacy/app/events_page.h"
#include "privacy/app/res/corbelt_res.h"
#include "privacy/app/settings_page.h"
#include "privacy/app/sites_page.h"
#include "privacy/app/trace_page.h"
#include "privacy/app/wipe_page.h"
#include "privacy/look/language_texts.h"
#include "privacy/look/look_messages.h"
#include "privacy/look/skin_classes.h"
#include "privacy/look/skin_res.h"

namespace privacy {
namespace {

constexpr char kCaption[] = "Velmora Veilstride";
constexpr int kTabButtonHeight = 25;

// A popup menu destroyed with its owner object.
class PopupMenu {
public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    ~PopupMenu() { DestroyMenu(menu_); }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    HMENU Handle() const { return menu_; }

private:
    HMENU menu_;
};

void ShowTrayMenu(HWND owner) {
    PopupMenu menu;
    AppendMenuA(menu.Handle(), MF_STRING, ID_TRAY_OPEN, Text(57).c_str());
    AppendMenuA(menu.Handle(), MF_STRING, ID_TRAY_EXIT, Text(58).c_str());
    SetMenuDefaultItem(menu.Handle(), ID_TRAY_OPEN, FALSE);
    POINT cursor;
    GetCursorPos(&cursor);
    // The menu closes when the user clicks elsewhere only while the
    // window owning it is in the foreground.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu.Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner,
                   nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}

}  // namespace

const char* HelpTopic(int page) {
    static const char* const topics[kPageCount] = {"Help\\Sites.htm", "Help\\Events.htm",
                                                   "Help\\Trace.htm", "Help\\Wipe.htm",
                                                   "Help\\Options.htm"};
    return page >= 0 && page < kPageCount ? topics[page] : nullptr;
}

CCorbeltDlg::CCorbeltDlg(SessionEnv env, ui::MessagePrompt& prompt, UrlCacheCleaner& cache)
    : CDialogSkin1(IDD_CORBELT_DIALOG), session_(std::move(env)), prompt_(prompt), cache_(cache) {}

CCorbeltDlg::~CCorbeltDlg() { Shutdown(false); }

bool CCorbeltDlg::OnInitDialog() {
    if (screen_ != nullptr) screen_->SetOwner(Handle());
    if (!StartSession()) return true;
    TagForLanguage(Handle());
    CreateTray();
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon()));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon()));
    SetText(kCaption);
    ShowWindow(MinimiseButton().Handle(), SW_HIDE);
    CreateTabs();
    CreatePages();
    help_.BindDlgItem(IDC_HELP_BUTTON, Handle());
    language_.BindDlgItem(IDC_LANGUAGE, Handle());
    accelerators_ = LoadAcceleratorsA(ui::ResourceModule(), MAKEINTRESOURCEA(IDR_MAIN_ACCELERATOR));
    LoadLanguage();
    Post(WM_COMMAND, ID_HIDE_TO_TRAY);
    // No control takes the focus: that would activate the hidden window.
    return false;
}

bool CCorbeltDlg::StartSession() {
    if (!session_.ClaimInstance()) {
        char text[256] = "";
        LoadStringA(ui::ResourceModule(), IDS_PREVIOUS_INSTANCE, text, sizeof text);
        prompt_.Show(text, kCaption, MB_OK);
        CDialogSkin1::OnInitDialog();
        EndDialog(0);
        return false;
    }
    session_.Prepare();
    SetProgramFolder(session_.Folder());
    const std::string language = session_.Sites().Snapshot().language;
    if (!language.empty()) SetLanguageName(language);
    CDialogSkin1::OnInitDialog();
    if (!session_.StartProxy()) {
        if (session_.Proxy().SocketFailed())
            prompt_.Show("Unable to create listen socket.\n\n" + session_.Proxy().LastError(),
                         "Socket", MB_OK);
        ShowWindow(Handle(), SW_HIDE);
        EndDialog(0);
        return false;
    }
    return true;
}

void CCorbeltDlg::CreateTray() {
    tray_ = std::make_unique<CTrayIcon>(ui::ResourceModule(), 1, 1);
    tray_->SetIcon(0, 0, IDI_CORBELT, 500);
    tray_->Show(0, CTrayIcon::kStatic);
    const HWND self = Handle();
    CTrayIcon::ClearCallbacks();
    CTrayIcon::AddCallback(WM_LBUTTONDBLCLK,
                           [self](UINT, UINT) { SendMessageA(self, WM_COMMAND, ID_TRAY_OPEN, 0); });
    CTrayIcon::AddCallback(WM_RBUTTONUP, [self](UINT, UINT) { ShowTrayMenu(self); });
}

RECT CCorbeltDlg::PlaceholderRect(int id, bool screen) const {
    RECT rect = {};
    GetWindowRect(Item(id), &rect);
    if (!screen) MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CCorbeltDlg::CreateTabs() {
    const RECT rect = PlaceholderRect(IDC_TAB_PLACE, false);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(Item(IDC_TAB_PLACE), GWL_STYLE));
    DestroyWindow(Item(IDC_TAB_PLACE));
    tabs_.Create(rect, Handle(), kTabBarId, style | WS_VISIBLE);
    tabs_.SetButtonHeight(kTabButtonHeight);
    const COLORREF own[kPageCount] = {RGB(255, 0, 0), RGB(0, 130, 0), RGB(0, 0, 255),
                                      RGB(200, 255, 0), RGB(0, 200, 255)};
    for (int i = 0; i < kPageCount; ++i) {
        tabs_.AddTab(Text(2 + i), SkinClasses().tabNormal, SkinClasses().tabPressed, true,
                     RGB(160, 160, 160), own[i]);
    }
}

void CCorbeltDlg::CreatePages() {
    pages_.SetFrame(PlaceholderRect(IDC_PAGE_PLACE, true), false);
    SiteList& sites = session_.Sites();
    pages_.AddPage(Handle(), std::make_unique<CSitesPage>(sites, cache_));
    pages_.AddPage(Handle(), std::make_unique<CEventsPage>(sites));
    pages_.AddPage(Handle(), std::make_unique<CTracePage>(prompt_));
    pages_.AddPage(Handle(), std::make_unique<CWipePage>(sites));
    pages_.AddPage(Handle(), std::make_unique<CSettingsPage>(session_, cache_, prompt_));
    pages_.ShowPage(kSitesPage);
    DestroyWindow(Item(IDC_PAGE_PLACE));
}

void CCorbeltDlg::ShowPage(int index) {
    pages_.ShowPage(index);
    RECT frame = pages_.Frame();
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&frame), 2);
    InvalidateRect(Handle(), &frame, TRUE);
}

void CCorbeltDlg::ApplyTexts() {
    SetText(Text(1));
    for (int i = 0; i < tabs_.TabCount(); ++i) tabs_.SetTabText(i, Text(2 + i));
    SetItemText(IDC_HELP_BUTTON, Text(7));
}

void CCorbeltDlg::OpenHelp() const {
    const char* topic = HelpTopic(pages_.Current());
    if (topic == nullptr) return;
    const std::string file = session_.Folder() + "\\Help\\" + LanguageName() + ".chm";
    ui::OpenHtmlHelp(Handle(), file, HH_DISPLAY_TOPIC, reinterpret_cast<DWORD_PTR>(topic));
}

void CCorbeltDlg::OnCancel() { ShowWindow(Handle(), SW_HIDE); }

void CCorbeltDlg::Exit() {
    EndDialog(IDCANCEL);
    session_.RemoveRunValue();
}

bool CCorbeltDlg::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case ID_HIDE_TO_TRAY:
    case IDC_SKIN_CLOSE:
        ShowWindow(Handle(), SW_HIDE);
        return true;
    case ID_TRAY_OPEN:
        startHidden_ = false;
        ShowWindow(Handle(), SW_SHOW);
        SetForegroundWindow(Handle());
        return true;
    case ID_TRAY_EXIT:
        Exit();
        return true;
    case IDC_HELP_BUTTON:
        OpenHelp();
        return true;
    }
    return CDialogSkin1::OnCommand(id, code, control);
}

LRESULT CCorbeltDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TAB_SELECTED:
        if (wp == kTabBarId) ShowPage(static_cast<int>(lp));
        return 0;
    case WM_LANGUAGE_CHANGED:
        ApplyTexts();
        return 0;
    case WM_PRINTCLIENT:  // the pages show the skin through their background
        PaintSkin(reinterpret_cast<HDC>(wp));
        return 0;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(ProgramIcon());
    case WM_WINDOWPOSCHANGING:
        // The dialog manager shows and activates a modal dialog once its
        // queue is first empty; until the user opens it, the window stays
        // in the tray and the window in front keeps the keyboard.
        if (startHidden_) {
            WINDOWPOS& pos = *reinterpret_cast<WINDOWPOS*>(lp);
            pos.flags = (pos.flags & ~SWP_SHOWWINDOW) | SWP_NOACTIVATE | SWP_NOZORDER;
        }
        break;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // The system ends the process once this returns, or sooner when it
        // takes long: save and restore first, then wait for the connections.
        if (wp) Shutdown(true);
        return 0;
    case WM_DESTROY:
        Shutdown(false);
        break;
    }
    return CDialogSkin1::WindowProc(msg, wp, lp);
}

bool CCorbeltDlg::PreTranslateMessage(MSG& msg) {
    if (accelerators_ != nullptr && Handle() != nullptr &&
        TranslateAcceleratorA(Handle(), accelerators_, &msg)) {
        return true;
    }
    return CDialogSkin1::PreTranslateMessage(msg);
}

void CCorbeltDlg::Shutdown(bool sessionEnding) {
    if (shutDown_) return;
    shutDown_ = true;
    const std::string language = LanguageName();
    session_.Sites().Edit([&language](PrivacySettings& settings) { settings.language = language; });
    if (sessionEnding) session_.SaveAndRestoreBrowsers();
    tray_.reset();
    CTrayIcon::ClearCallbacks();
    session_.Stop();
}

}  // namespace privacy
