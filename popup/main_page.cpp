#include "popup/main_page.h"

#include "common/suite/blinkward.h"
#include "platform/ui/html_help.h"
#include "platform/ui/module.h"
#include "popup/about_dlg.h"
#include "popup/counter_dlg.h"
#include "popup/halvane_app.h"
#include "popup/res/resource_ids.h"

namespace popup {

namespace {

const UINT kHelpDisplayToc = 0x0001;  // the viewer's HH_DISPLAY_TOC
const size_t kTipLength = 127;

}  // namespace

CMainPage::CMainPage(CHalvaneApp& app, CTitleScan scan)
    : ui::PropertySheet(app.Text("99990", "Velmora Blinkward")),
      app_(app),
      scan_(scan),
      pages_(std::make_unique<CMainPages>(app, *this)),
      taskbarMsg_(ui::RegisterMessage("TaskbarMsg")),
      taskbarCreated_(ui::RegisterMessage("TaskbarCreated")) {
    for (int index = 0; index < kMainPageCount; ++index) {
        ui::PropertyPage& page = pages_->Page(static_cast<MainPageIndex>(index));
        page.SetCaption(app_.Text(std::to_string(11000 + index).c_str(), "Error"));
        AddPage(page);
    }
    ModifyFlags(0, PSH_HASHELP);
    ModifyTemplateStyle(WS_VISIBLE, WS_MINIMIZEBOX);
}

CMainPage::~CMainPage() = default;

bool CMainPage::OnInitDialog() {
    ui::PropertySheet::OnInitDialog();
    SetWindowLongPtrA(Handle(), GWL_STYLE,
                      (GetWindowLongPtrA(Handle(), GWL_STYLE) & ~WS_VISIBLE) | WS_MINIMIZEBOX);
    SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, 0);
    Post(taskbarCreated_);
    BuildSystemMenu();
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app_.ProgramIcon(32)));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(app_.ProgramIcon(16)));
    tray_ = std::make_unique<ui::TrayIcon>(Handle(), TRAY_ICON_ID, taskbarMsg_);
    SetTimer(TIMER_TITLE_SCAN, 1);
    CCounterDlg& counter = app_.Counter();
    counter.Create(app_.HiddenOwner());
    if (app_.Engine().catching && app_.Settings().blockedPopups != "0" && !app_.Settings().firstRun) {
        counter.ShowCount();
    }
    language_ = app_.Settings().language;
    ApplyTexts();
    app_.StartProxy();
    if (app_.LastBrowserClosedEarly()) Post(suite::blinkward::WM_LAST_BROWSER_CLOSED);
    return true;
}

void CMainPage::BuildSystemMenu() {
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (!menu) return;
    InsertMenuA(menu, 0, MF_BYPOSITION | MF_STRING | MF_GRAYED, SC_RESTORE, "Restore");
    InsertMenuA(menu, 2, MF_BYPOSITION | MF_STRING | MF_GRAYED, SC_SIZE, "Size");
    InsertMenuA(menu, 3, MF_BYPOSITION | MF_STRING, SC_MINIMIZE, "Minimize");
    InsertMenuA(menu, 4, MF_BYPOSITION | MF_STRING | MF_GRAYED, SC_MAXIMIZE, "Maximize");
    InsertMenuA(menu, 5, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, ui::ResourceString(IDS_ABOUTBOX).c_str());
}

LRESULT CMainPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == taskbarCreated_) {
        OnTaskbarCreated();
        return 0;
    }
    if (msg == taskbarMsg_) {
        OnTrayNotify(lp);
        return 0;
    }
    if (OnPrivateMessage(msg)) return 0;
    switch (msg) {
    case WM_TIMER:
        if (wp != TIMER_TITLE_SCAN) break;
        OnTimer();
        return 0;
    case WM_SYSCOMMAND:
        if (OnSysCommand(wp)) return 0;
        break;
    case WM_HELP:
        OpenHelp();
        return TRUE;
    }
    return ui::PropertySheet::WindowProc(msg, wp, lp);
}

bool CMainPage::PreTranslateMessage(MSG& msg) {
    if (msg.message == WM_SYSCOMMAND && msg.hwnd == Handle()) ApplyAll();
    return ui::PropertySheet::PreTranslateMessage(msg);
}

bool CMainPage::OnPrivateMessage(UINT msg) {
    switch (msg) {
    case WM_SOUND_OPTION_CHANGED:
        app_.Engine().playWave = pages_->SoundTicked() ? 1 : 0;
        app_.PublishEngine();
        UpdateSoundBox();
        return true;
    case WM_CATCHING_CHANGED:
        UpdateTrayMenu();
        UpdateTrayIcon();
        UpdateSoundBox();
        return true;
    case WM_LANGUAGE_CHANGED:
        ApplyTexts();
        pages_->ApplyTexts();
        return true;
    case WM_ON_TOP_CHANGED:
        PlaceOnTop();
        return true;
    case WM_AD_BLOCKING_CHANGED:
        UpdateTrayMenu();
        return true;
    case suite::blinkward::WM_LAST_BROWSER_CLOSED:
        ExitWithoutQuestion();
        return true;
    }
    return false;
}

bool CMainPage::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDOK:
        ApplyAll();
        SetVisible(false);
        return true;
    case IDCANCEL:
        if (exiting_) break;
        CancelAll();
        return true;
    case ID_APPLY_NOW:
        ApplyAll();
        return true;
    case ID_TRAY_HELP:
        OpenHelp();
        return true;
    case ID_TRAY_SHOW:
        ToggleWindow();
        return true;
    case ID_TRAY_ENABLE:
        ToggleCatching();
        return true;
    case ID_TRAY_BLOCK_ADS:
        ToggleAdBlock();
        return true;
    case ID_TRAY_SHOW_COUNTER:
        app_.Counter().ShowCount();
        return true;
    case ID_TRAY_CLEAR_COUNTER:
        ClearCounter();
        return true;
    case ID_TRAY_ABOUT:
        ShowAbout();
        return true;
    case ID_TRAY_EXIT:
        Exit();
        return true;
    }
    return ui::PropertySheet::OnCommand(id, code, control);
}

void CMainPage::OnTaskbarCreated() {
    SetVisible(app_.Settings().firstRun);
    SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, 0);
    iconCatching_ = app_.Engine().catching;
    tray_->SetIcon(app_.TrayIcon(iconCatching_));
    tray_->OnMessage(taskbarCreated_);
}

void CMainPage::OnTrayNotify(LPARAM event) {
    switch (event) {
    case WM_MOUSEMOVE:
        tray_->SetTip((app_.Engine().catching ? enabledTip_ : disabledTip_).substr(0, kTipLength));
        break;
    case WM_LBUTTONDBLCLK:
        ToggleWindow();
        break;
    case WM_RBUTTONUP:
        menu_.Track(Handle());
        break;
    }
}

bool CMainPage::OnSysCommand(WPARAM command) {
    switch (command & 0xFFF0) {
    case IDM_ABOUTBOX:
        ShowAbout();
        return true;
    case SC_MINIMIZE:
    case SC_CLOSE:
        SetVisible(false);
        return true;
    }
    return false;
}

void CMainPage::OnTimer() {
    if (scan_.Tick()) app_.OnPopupBlocked();
}

void CMainPage::ToggleWindow() { SetVisible(!visible_); }

void CMainPage::SetVisible(bool visible) {
    visible_ = visible;
    if (visible) {
        ShowWindow(Handle(), SW_SHOW);
        PlaceOnTop();
    } else {
        ShowWindow(Handle(), SW_HIDE);
    }
    UpdateTrayMenu();
}

void CMainPage::PlaceOnTop() {
    SetWindowPos(Handle(), app_.Engine().displayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CMainPage::ToggleCatching() {
    popup::EngineSettings& engine = app_.Engine();
    const bool wasOn = engine.catching;
    const bool anyConfigured = app_.RefreshBrowserState();
    pages_->StartCleaner();
    if (wasOn) {
        engine.catching = false;
    } else if (anyConfigured) {
        engine.catching = true;
    } else {
        app_.Prompt().Show(app_.Text("2252", "You can't enable Catching Pop-Ups as you didn't "
                                             "configure your browser(s).\nPlease go to Popups page "
                                             "to configure your browser(s)."),
                           app_.ProgramTitle(), MB_OK | MB_ICONINFORMATION);
        return;
    }
    app_.PublishEngine();
    UpdateTrayIcon();
    pages_->ShowPopupSettings();
    UpdateSoundBox();
    MarkPopupPageChanged();
    UpdateTrayMenu();
}

void CMainPage::ToggleAdBlock() {
    app_.ApplyAdBlock(app_.Engine().bannerBlock == 0);
    pages_->ShowPopupSettings();
    UpdateTrayMenu();
    MarkPopupPageChanged();
}

void CMainPage::ClearCounter() {
    app_.ClearCounter();
    MarkPopupPageChanged();
}

void CMainPage::OpenHelp() {
    const std::string file = app_.Settings().path + "\\Help\\QXHelp.chm";
    if (!ui::OpenHtmlHelp(Handle(), file, kHelpDisplayToc)) {
        app_.Prompt().Show("Cannot locate HTML Help file QXHelp.chm", app_.ProgramTitle(), MB_OK);
    }
}

void CMainPage::ShowAbout() {
    CAboutDlg about(app_);
    about.DoModal(Handle());
}

void CMainPage::ApplyAll() {
    app_.SaveAll();
    pages_->SaveActiveXPolicies();
    MarkAllPagesUnchanged();
    language_ = app_.Settings().language;
}

void CMainPage::CancelAll() {
    app_.ReloadEngine();
    if (app_.Settings().language != language_) {
        app_.Settings().language = language_;
        Send(WM_LANGUAGE_CHANGED);
    }
    // Reloading a page may mark it changed again; after Cancel nothing waits.
    pages_->ReloadStates();
    MarkAllPagesUnchanged();
    if (app_.Settings().closeToTray) {
        SetVisible(false);
    } else {
        Exit();
    }
}

void CMainPage::ExitWithoutQuestion() {
    noConfirm_ = true;
    Exit();
}

void CMainPage::Exit() {
    ApplyAll();
    if (!noConfirm_ &&
        app_.Prompt().Show(app_.Text("6003", "You will not be able to browse the internet unless "
                                             "you change the proxy settings or starting the "
                                             "program again, click Yes to exit"),
                           app_.Text("6004", "Velmora Blinkward"),
                           MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    tray_->Delete();
    app_.Counter().Destroy();
    KillTimer(TIMER_TITLE_SCAN);
    exiting_ = true;
    EndSheet(IDOK);
}

void CMainPage::ApplyTexts() {
    SetTitle(app_.Text("99990", "Velmora Blinkward"));
    SetButtonText(IDOK, app_.Text("10001", "OK"));
    SetButtonText(IDCANCEL, app_.Text("10002", "Cancel"));
    SetButtonText(ID_APPLY_NOW, app_.Text("10003", "Apply"));
    SetButtonText(IDHELP, app_.Text("10004", "Help"));
    for (int index = 0; index < kMainPageCount; ++index) {
        SetTabText(index, app_.Text(std::to_string(11000 + index).c_str(), "Error"));
    }
    enabledTip_ = app_.Text("5001", "Velmora Blinkward Enabled");
    disabledTip_ = app_.Text("5002", "Velmora Blinkward Disabled");
    UpdateTrayMenu();
}

void CMainPage::UpdateTrayMenu() {
    const popup::EngineSettings& engine = app_.Engine();
    menu_.Update(app_.Texts(), visible_, engine.catching, engine.bannerBlock != 0);
}

void CMainPage::UpdateTrayIcon() {
    const bool catching = app_.Engine().catching;
    if (catching == iconCatching_) return;
    iconCatching_ = catching;
    tray_->SetIcon(app_.TrayIcon(catching));
}

void CMainPage::UpdateSoundBox() {
    if (HWND page = PopupPage()) {
        EnableWindow(GetDlgItem(page, IDC_POPUP_SOUND_ALERT), app_.Engine().catching);
    }
}

HWND CMainPage::PopupPage() const { return GetPage(kPopupPage)->Handle(); }

void CMainPage::MarkPopupPageChanged() { GetPage(kPopupPage)->SetModified(true); }

void CMainPage::MarkActivePageChanged() {
    const int active = Handle() ? GetActiveIndex() : kPopupPage;
    GetPage(active < 0 ? kPopupPage : active)->SetModified(true);
}

void CMainPage::MarkAllPagesUnchanged() {
    for (int index = 0; index < kMainPageCount; ++index) GetPage(index)->SetModified(false);
}

}  // namespace popup
