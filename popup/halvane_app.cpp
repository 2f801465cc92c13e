#include "popup/halvane_app.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "common/browser/connection_options.h"
#include "platform/ui/message_prompt.h"
#include "common/proxy/socket.h"
#include "platform/ui/module.h"
#include "popup/browser_state_reader.h"
#include "popup/counter_dlg.h"
#include "popup/engine/popup_engine.h"
#include "popup/hidden_owner_window.h"
#include "popup/main_page.h"
#include "popup/res/resource_ids.h"
#include "popup/title_scan.h"
#include "popup/tray_notice_dlg.h"

namespace popup {

namespace {

std::string ExeFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    const std::string::size_type slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

const char kDefaultTitle[] = "Velmora Blinkward";

}  // namespace

CHalvaneApp::CHalvaneApp(HalvaneSeams seams)
    : programFolder_(seams.programFolder.empty() ? ExeFolder() : seams.programFolder),
      languageTexts_(settings_.path, settings_.language),
      texts_(seams.texts ? seams.texts : &languageTexts_),
      prompt_(seams.prompt ? seams.prompt : &screenPrompt_),
      hosts_(seams.windowsFolder.empty() ? CHostsFile::OfThisSystem()
                                         : CHostsFile(seams.windowsFolder, true)),
      optionWriter_(std::make_unique<browser::WinInetOptionWriter>()),
      browserEnv_{*texts_, *prompt_, browsers_, *optionWriter_, browser::SystemProfileBases(),
                  kDefaultTitle} {}

CHalvaneApp::~CHalvaneApp() = default;

bool CHalvaneApp::InitInstance() {
    Start();
    return false;
}

StartupEnd CHalvaneApp::Start() {
    engine_ = std::make_unique<popup::PopupEngine>(programFolder_ + "\\", popup::ControlKeyDown);
    engine_->SetErrorHook([this](const std::string& reason) { ReportEngineError(reason); });
    startup_ = std::make_unique<CHalvaneStartup>(settings_, browsers_, mutex_, *texts_,
                                                 *prompt_, static_cast<StartupWindowSteps&>(*this),
                                                 hosts_);
    return startup_->Run();
}

int CHalvaneApp::ExitInstance() {
    skin_.Release();
    counterSkin_.Release();
    return ui::App::ExitInstance();
}

const std::string& CHalvaneApp::ProgramTitle() const {
    static const std::string fallback = kDefaultTitle;
    return startup_ && !startup_->ProgramTitle().empty() ? startup_->ProgramTitle() : fallback;
}

HICON CHalvaneApp::ProgramIcon(int size) const {
    return static_cast<HICON>(LoadImageA(ui::ResourceModule(), MAKEINTRESOURCEA(IDI_HALVANE),
                                         IMAGE_ICON, size, size, LR_SHARED));
}

HICON CHalvaneApp::TrayIcon(bool catching) const {
    return static_cast<HICON>(LoadImageA(ui::ResourceModule(),
                                         MAKEINTRESOURCEA(catching ? IDI_TRAY_ON : IDI_TRAY_OFF),
                                         IMAGE_ICON, 16, 16, LR_SHARED));
}

bool CHalvaneApp::RefreshBrowserState() {
    browserEnv_.caption = ProgramTitle();
    const bool any = popup::ReadBrowserState(browserEnv_);
    if (!any && engineSettings_.catching) {
        engineSettings_.catching = false;
        PublishEngine();
    }
    return any;
}

void CHalvaneApp::ReadBrowserState(BrowserState& state) {
    RefreshBrowserState();
    state = browsers_;
}

void CHalvaneApp::SetProxyAlias(const std::string& alias) { engineSettings_.popupIP = alias; }

bool CHalvaneApp::InitSockets() {
    sockets_ = std::make_unique<proxy::WinsockSession>();
    return sockets_->ok();
}

std::string CHalvaneApp::ResourceText(unsigned id) { return ui::ResourceString(id); }

// The skin object every dialog but the counter window shares is made once
// here, so each dialog finds it whichever opens first.
void CHalvaneApp::EnableControlHosting() {
    EnableControlContainer();
    skin_.Create();
}

bool CHalvaneApp::CreateHiddenOwnerWindow(const std::string& title) {
    hiddenWindow_ = std::make_unique<HiddenOwnerWindow>([this] { OnLastBrowserClosed(); });
    return hiddenWindow_->Create(title);
}

HWND CHalvaneApp::HiddenOwner() const { return hiddenWindow_ ? hiddenWindow_->Handle() : nullptr; }

void CHalvaneApp::Enable3dControls() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

void CHalvaneApp::CreateCounterWindow() { counter_ = std::make_unique<CCounterDlg>(*this); }

void CHalvaneApp::WriteStartupFiles() { ReloadEngine(); }

void CHalvaneApp::SetDialogColours() { SetDialogColors(RGB(77, 115, 148), RGB(0, 0, 0)); }

void CHalvaneApp::ShowTrayNotice() {
    CTrayNoticeDlg notice(*this);
    notice_ = &notice;
    notice.DoModal();
    notice_ = nullptr;
}

void CHalvaneApp::RunMainSheet() {
    CMainPage sheet(*this);
    mainPage_ = &sheet;
    sheet.DoModal();
    mainPage_ = nullptr;
    engine_->Stop();
}

void CHalvaneApp::OnLastBrowserClosed() {
    if (mainPage_) {
        mainPage_->ExitWithoutQuestion();
        return;
    }
    lastBrowserClosedEarly_ = true;
    if (notice_) notice_->EndDialog(IDCANCEL);
}

void CHalvaneApp::ReportEngineError(const std::string& reason) {
    prompt_->Show(Text("6010", "Error, the popup blocker's proxy reports a problem:") + "\n\n" +
                      reason,
                  ProgramTitle(), MB_OK | MB_ICONERROR);
}

void CHalvaneApp::PublishEngine() {
    if (engine_) engine_->Publish(engineSettings_);
}

void CHalvaneApp::SaveAll() {
    settings_.SaveSettings(engineSettings_.startup);
    engine_->Apply(engineSettings_);
}

void CHalvaneApp::ReloadEngine() {
    const std::string alias = engineSettings_.popupIP;
    engine_->Load();
    engineSettings_ = engine_->Settings();
    engineSettings_.popupIP = alias;
}

void CHalvaneApp::OnPopupBlocked() {
    settings_.blockedPopups = NextCount(settings_.blockedPopups);
    if (engineSettings_.playWave) {
        PlaySoundA(settings_.userWavPath.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }
    if (counter_) counter_->ShowCount();
}

void CHalvaneApp::ClearCounter() {
    settings_.blockedPopups = "0";
    char date[80] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof(date));
    countingSince_ = date;
    if (counter_) counter_->RefreshCount();
}

void CHalvaneApp::ApplyAdBlock(bool on) {
    switch (hosts_.SetAdBlock(on, settings_.path + "\\hostse")) {
    case AdBlockResult::Done:
        engineSettings_.bannerBlock = on ? 1 : 0;
        break;
    case AdBlockResult::HostsMissing:
        engineSettings_.bannerBlock = 0;
        prompt_->Show(Text("19017", "HOSTS file not found in your operating system, please "
                                    "contact our customr support telling us your operating "
                                    "system version"),
                      ProgramTitle(), MB_OK);
        break;
    case AdBlockResult::ListMissing:
    case AdBlockResult::WriteFailed:
        prompt_->Show(Text("6005", "Error, Can't write to the hosts file, the program may not "
                                   "run correctly"),
                      ProgramTitle(), MB_OK | MB_ICONINFORMATION);
        break;
    }
}

bool CHalvaneApp::StartProxy() { return engine_->Start() == 1; }

}  // namespace popup
