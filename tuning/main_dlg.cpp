#include "tuning/main_dlg.h"

#include "common/lang/lang_file.h"
#include "platform/ui/module.h"
#include "tuning/about_dlg.h"
#include "tuning/model/settings_store.h"
#include "tuning/res/main_dlg_res.h"
#include "tuning/texts.h"
#include "tuning/wizard_sheet.h"

namespace tuning {
namespace {

const char kWebSite[] = "http://www.velmora.com/";

}  // namespace

CTessalineDlg::CTessalineDlg(TuningContext& context)
    : ui::Dialog(IDD_TESSALINE_DIALOG), context_(context) {}

bool CTessalineDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    AddAboutItem();
    icon_ = LoadIconA(ui::ResourceModule(), MAKEINTRESOURCEA(IDI_TESSALINE));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    FillLanguages();
    ApplyTexts();
    UpdateResetButton();
    link_.SetURL(kWebSite);
    link_.Attach(Handle(), IDC_HYPERLINK);
    ApplySkin();
    return true;
}

void CTessalineDlg::AddAboutItem() {
    char text[128] = "";
    LoadStringA(ui::ResourceModule(), IDS_ABOUTBOX, text, sizeof(text));
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (!menu || !*text) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text);
}

void CTessalineDlg::FillLanguages() {
    languages_.SubclassDlgItem(IDC_LANGUAGES, Handle());
    flags_.Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 4);
    languages_.SetImageList(flags_);
    int selected = -1;
    for (const lang::LanguageEntry& entry :
         lang::ListLanguages(context_.appPath, lang::kTessaline.folder, lang::kTessaline.folder)) {
        const int image = flags_.AddBitmapFile(entry.flagPath, RGB(255, 0, 255));
        const int index = languages_.AddItem(entry.name, image);
        if (entry.name == context_.language) selected = index;
    }
    if (selected >= 0) languages_.SetCurSel(selected);
}

void CTessalineDlg::ApplyTexts() {
    const LangTexts& texts = context_.texts;
    SetText(texts.GetLangString(texts::kTitle));
    texts.SetDlgItemLangText(Handle(), IDC_INTRODUCTION, texts::kIntroduction);
    texts.SetDlgItemLangText(Handle(), IDC_HINT, texts::kHint);
    texts.SetDlgItemLangText(Handle(), IDC_SET_SETTINGS, texts::kSetButton);
    texts.SetDlgItemLangText(Handle(), IDC_RESET_SETTINGS, texts::kResetButton);
    texts.SetDlgItemLangText(Handle(), IDC_LANGUAGE_GROUP, texts::kLanguage);
}

void CTessalineDlg::ApplySkin() {
    CSkin& skin = context_.skin;
    if (!skin.IsCreated()) skin.Create();
    skin.ApplySkinByName(Handle(), "Main");
    skin.ApplySkinByName(Item(IDC_SET_SETTINGS), "Button");
    skin.ApplySkinByName(Item(IDC_RESET_SETTINGS), "Button");
    skin.ApplySkinByName(Item(IDC_LANGUAGE_GROUP), "GroupBox");
    skin.ApplySkinByName(Item(IDC_BUTTONS_GROUP), "GroupBox");
}

void CTessalineDlg::UpdateResetButton() {
    EnableItem(IDC_RESET_SETTINGS, SettingsStore(context_.registry, context_.family).HasBackup());
}

void CTessalineDlg::OnSet() {
    // A second click while the wizard runs must not start another over it.
    if (wizardRunning_) return;
    SettingsStore store(context_.registry, context_.family);
    if (store.BackupWouldBeReplaced() &&
        context_.Message(context_.texts.GetLangString(texts::kOverwriteBackup),
                         MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    wizardRunning_ = true;
    {
        CMyPropertySheet sheet(context_, Handle());
        sheet.DoModal();
    }
    wizardRunning_ = false;
    UpdateResetButton();
}

void CTessalineDlg::ResetSettings() {
    const ResetResult result = SettingsStore(context_.registry, context_.family).ResetSettings();
    if (result.noBackup)
        context_.Message(texts::kResetFailed, MB_OK | MB_ICONERROR);
    else if (!result.Succeeded())
        context_.Message(context_.texts.GetLangString(texts::kResetPartly, result.failures),
                         MB_OK | MB_ICONERROR);
    else if (!result.backupRemoved)
        context_.Message(context_.texts.GetLangString(texts::kResetBackupLeft),
                         MB_OK | MB_ICONWARNING);
    else
        context_.Message(context_.texts.GetLangString(texts::kReset), MB_OK);
    UpdateResetButton();
}

void CTessalineDlg::OnLanguageChosen() {
    const int index = languages_.GetCurSel();
    if (index < 0) return;
    context_.language = languages_.GetItemString(index);
    ApplyTexts();
    SaveLanguage(context_, context_.language);
    context_.skin.RedrawSkinnedWindow(Handle());
}

bool CTessalineDlg::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_SET_SETTINGS:
        if (code == BN_CLICKED) OnSet();
        return true;
    case IDC_RESET_SETTINGS:
        if (code == BN_CLICKED) ResetSettings();
        return true;
    case IDC_LANGUAGES:
        if (code == CBN_SELCHANGE) OnLanguageChosen();
        return true;
    default:
        return ui::Dialog::OnCommand(id, code, control);
    }
}

LRESULT CTessalineDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == IDM_ABOUTBOX) {
            CAboutDlg about(context_);
            about.DoModal(Handle());
            return 0;
        }
        break;
    case WM_HELP:
        return TRUE;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(icon_);
    default:
        break;
    }
    return ui::Dialog::WindowProc(msg, wp, lp);
}

}  // namespace tuning
