#include "popup/pages/popup_dlg.h"

#include "popup/pages/page_texts.h"

namespace popup {

CPopupDlg::CPopupDlg(PageContext& context)
    : PropertyPage(IDD_POPUP_PAGE), context_(context), worker_(context.cleaner, context.browsers),
      model_(context.settings, context.browsers, context.host, context.texts, context.adBlock,
             worker_) {}

bool CPopupDlg::OnInitDialog() {
    PropertyPage::OnInitDialog();
    SetLanguageTexts();
    context_.skin.LoadSkin(context_.settings.ProgramFolder() + "\\Title.skn");
    context_.skin.ApplySkin(GetParent(Handle()));
    context_.skin.ApplySkin(Handle());
    model_.OnInitDialog();
    ShowModel();
    return true;
}

void CPopupDlg::SetLanguageTexts() {
    const struct {
        int id;
        int key;
    } texts[] = {{IDC_POPUP_ENABLE_CATCH, 1001}, {IDC_POPUP_SOUND_ALERT, 1004},
                 {IDC_POPUP_BANNER_BLOCK, 1005}, {IDC_POPUP_WARNING, 1006},
                 {IDC_POPUP_SET_PROXY, 1007},    {IDC_POPUP_RESET_PROXY, 1008},
                 {IDC_POPUP_BROWSER_GROUP, 1009}};
    for (const auto& text : texts) LoadControlTexts(context_.texts, Handle(), text.key, {text.id});
}

void CPopupDlg::RefreshControls() {
    model_.RefreshControls();
    if (context_.settings.LanguageChanged()) SetLanguageTexts();
    ShowModel();
}

void CPopupDlg::ShowSettings() {
    model_.ShowSettings();
    ShowModel();
}

bool CPopupDlg::OnSetActive() {
    SetLanguageTexts();
    model_.OnSetActive();
    ShowModel();
    return PropertyPage::OnSetActive();
}

void CPopupDlg::ShowModel() {
    CheckDlgButton(Handle(), IDC_POPUP_ENABLE_CATCH, model_.CatchTicked() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Handle(), IDC_POPUP_SOUND_ALERT, model_.SoundTicked() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Handle(), IDC_POPUP_BANNER_BLOCK, model_.BannerTicked() ? BST_CHECKED : BST_UNCHECKED);
    EnableItem(IDC_POPUP_SOUND_ALERT, model_.SoundEnabled());
    ShowItem(IDC_POPUP_WARNING, model_.WarningVisible());
    if (model_.BlinkTimerRunning() && !timerRunning_)
        SetTimer(TIMER_POPUP_WARNING_BLINK, 1000);
    else if (!model_.BlinkTimerRunning() && timerRunning_)
        KillTimer(TIMER_POPUP_WARNING_BLINK);
    timerRunning_ = model_.BlinkTimerRunning();
}

bool CPopupDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED) return PropertyPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_POPUP_ENABLE_CATCH:
        model_.OnEnableCatch(Checked(id));
        break;
    case IDC_POPUP_SOUND_ALERT:
        model_.OnSoundAlert(Checked(id));
        break;
    case IDC_POPUP_BANNER_BLOCK:
        model_.OnBannerBlocking(Checked(id));
        break;
    case IDC_POPUP_SET_PROXY:
        model_.OnSetProxy();
        break;
    case IDC_POPUP_RESET_PROXY:
        model_.OnResetProxy();
        break;
    default:
        return PropertyPage::OnCommand(id, code, control);
    }
    ShowModel();
    return true;
}

LRESULT CPopupDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        if (wp != TIMER_POPUP_WARNING_BLINK) break;
        model_.OnTimer();
        ShowModel();
        return 0;
    case WM_DESTROY:
        worker_.Wait();
        break;
    }
    return PropertyPage::WindowProc(msg, wp, lp);
}

}  // namespace popup
