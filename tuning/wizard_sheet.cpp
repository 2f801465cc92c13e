#include "tuning/wizard_sheet.h"

#include "platform/ui/module.h"
#include "tuning/model/settings_store.h"
#include "tuning/model/tuning_rules.h"
#include "tuning/res/main_dlg_res.h"
#include "tuning/texts.h"

namespace tuning {
namespace {

// The wizard buttons of the platform's property sheet.
const int kBackButton = 0x3023;
const int kNextButton = 0x3024;

std::string ResourceString(UINT id) {
    char text[256] = "";
    LoadStringA(ui::ResourceModule(), id, text, sizeof(text));
    return text;
}

}  // namespace

CMyPropertySheet::CMyPropertySheet(TuningContext& context, HWND owner)
    : ui::PropertySheet(ResourceString(IDS_WIZARD_CAPTION), owner),
      context_(context),
      connection_(*this),
      mtu_(*this),
      otherMtu_(*this),
      rwin_(*this),
      ttl_(*this),
      keepAlive_(*this),
      syn_(*this),
      icmp_(*this),
      modem_(*this) {
    ModifyFlags(PSH_HASHELP, 0);
    SetWizardMode();
    for (ui::PropertyPage* page : std::initializer_list<ui::PropertyPage*>{
             &connection_, &mtu_, &otherMtu_, &rwin_, &ttl_, &keepAlive_, &syn_, &icmp_, &modem_})
        AddPage(*page);
}

bool CMyPropertySheet::OnInitDialog() {
    ui::PropertySheet::OnInitDialog();
    SetWizardButtonTexts();
    BackupOriginalSettings();
    SetDefaults(settings_, context_.family);
    return true;
}

void CMyPropertySheet::SetWizardButtonTexts() {
    const LangTexts& texts = context_.texts;
    SetButtonText(kBackButton, texts.GetLangString(texts::kBackButton));
    SetButtonText(kNextButton, texts.GetLangString(texts::kNextButton));
    SetButtonText(IDCANCEL, texts.GetLangString(texts::kCancelButton));
}

void CMyPropertySheet::BackupOriginalSettings() {
    const BackupResult result =
        SettingsStore(context_.registry, context_.family).BackupOriginalSettings(settings_);
    if (result.failures > 0)
        context_.Message(context_.texts.GetLangString(texts::kBackupIncomplete, result.failures),
                         MB_OK | MB_ICONWARNING);
}

void CMyPropertySheet::ApplySettings() {
    const ApplyResult result = SettingsStore(context_.registry, context_.family)
                                   .ApplySettings(settings_, context_.modemFound);
    const LangTexts& texts = context_.texts;
    if (result.Succeeded()) {
        context_.Message(texts.GetLangString(texts::kApplied), MB_OK);
        return;
    }
    std::string message;
    if (result.failures > 0)
        message = texts.GetLangString(texts::kApplyPartly, result.failures);
    if (result.unsaved > 0)
        message += (message.empty() ? "" : "\n\n") +
                   texts.GetLangString(texts::kApplyUnsaved, result.unsaved);
    context_.Message(message, MB_OK | MB_ICONERROR);
}

LRESULT CMyPropertySheet::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_HELP) return TRUE;
    return ui::PropertySheet::WindowProc(msg, wp, lp);
}

}  // namespace tuning
