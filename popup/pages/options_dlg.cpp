#include "popup/pages/options_dlg.h"

#include <commdlg.h>
#include <mmsystem.h>

#include "popup/pages/page_texts.h"

namespace popup {

namespace {

const COLORREF kFlagMask = RGB(0, 0, 0);

int RadioOf(StartupRadio radio) {
    switch (radio) {
    case StartupRadio::WindowsStartup:
        return IDC_OPT_WINDOWS_STARTUP;
    case StartupRadio::ManualStart:
        return IDC_OPT_MANUAL_START;
    case StartupRadio::IEStartup:
        break;
    }
    return IDC_OPT_IE_STARTUP;
}

}  // namespace

COptionsPage::COptionsPage(PageContext& context)
    : PropertyPage(IDD_OPTIONS_PAGE), context_(context),
      model_(context.settings, context.host, context.mutex) {}

bool COptionsPage::OnInitDialog() {
    PropertyPage::OnInitDialog();
    languages_.SubclassDlgItem(IDC_OPT_LANGUAGE, Handle());
    sounds_.SubclassDlgItem(IDC_OPT_SOUND, Handle());
    FillLanguageCombo();
    RefreshControls();
    SetLanguageTexts();
    CheckDlgButton(Handle(), IDC_OPT_CLOSE_TO_TRAY,
                   context_.settings.CloseToTray() ? BST_CHECKED : BST_UNCHECKED);
    context_.skin.ApplySkin(Handle());
    return true;
}

void COptionsPage::SetLanguageTexts() {
    LoadControlTexts(context_.texts, Handle(), 9001,
                     {IDC_OPT_STARTUP_GROUP, IDC_OPT_WINDOWS_STARTUP, IDC_OPT_MANUAL_START,
                      IDC_OPT_IE_STARTUP, IDC_OPT_LANGUAGE_GROUP, IDC_OPT_GENERAL_GROUP,
                      IDC_OPT_ALWAYS_ON_TOP, IDC_OPT_SOUND_GROUP, IDC_OPT_CHANGE_LABEL,
                      IDC_OPT_TEST_SOUND, IDC_OPT_CURRENT_LABEL, IDC_OPT_CLOSE_TO_TRAY});
}

void COptionsPage::RefreshControls() {
    CheckRadioButton(Handle(), IDC_OPT_WINDOWS_STARTUP, IDC_OPT_IE_STARTUP,
                     RadioOf(model_.StartupTicked()));
    CheckDlgButton(Handle(), IDC_OPT_ALWAYS_ON_TOP,
                   context_.settings.DisplayOnTop() ? BST_CHECKED : BST_UNCHECKED);
    EnableSoundControls();
    if (context_.settings.LanguageChanged()) SetLanguageTexts();
    model_.RefreshControls();
    ShowSounds();
    languages_.SetCurSel(model_.LanguageSelected());
}

void COptionsPage::FillLanguageCombo() {
    model_.FillLanguageCombo();
    flags_.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 2);
    languages_.ResetContent();
    for (const LanguageItem& language : model_.Languages()) {
        const int image = language.flagFile.empty() ? -1 : flags_.AddBitmapFile(language.flagFile, kFlagMask);
        languages_.AddItem(language.name, image);
    }
    languages_.SetImageList(flags_);
}

void COptionsPage::ShowSounds() {
    const SoundList& list = model_.Sounds();
    sounds_.ResetContent();
    for (const std::string& entry : list.Entries()) sounds_.AddString(entry);
    sounds_.SetCurSel(list.Selected());
    SetItemText(IDC_OPT_SOUND_NAME, list.CurrentName());
}

void COptionsPage::EnableSoundControls() {
    for (int id : {IDC_OPT_SOUND_NAME, IDC_OPT_CURRENT_LABEL, IDC_OPT_TEST_SOUND,
                   IDC_OPT_CHANGE_LABEL, IDC_OPT_SOUND})
        EnableItem(id, model_.SoundControlsEnabled());
}

void COptionsPage::OnLanguageChange() {
    model_.OnLanguageChange(languages_.GetCurSel());
    languages_.SetCurSel(model_.LanguageSelected());
    if (context_.settings.LanguageChanged())
        context_.skin.RedrawSkinnedWindow(GetParent(Handle()));
}

void COptionsPage::OnSoundChange() {
    const int index = sounds_.GetCurSel();
    if (model_.Sounds().IsCustomEntry(index)) {
        const std::string path = AskForSoundFile();
        if (!path.empty()) model_.OnCustomSoundChosen(path);
    } else {
        model_.OnSoundChange(index);
    }
    ShowSounds();
}

OPENFILENAMEA SoundFileRequest(HWND owner, char* file, DWORD size) {
    OPENFILENAMEA dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "Wav Files (*.wav)\0*.wav\0\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = size;
    dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    return dialog;
}

std::string COptionsPage::AskForSoundFile() const {
    char file[MAX_PATH] = "";
    OPENFILENAMEA dialog = SoundFileRequest(Handle(), file, sizeof(file));
    return GetOpenFileNameA(&dialog) ? file : "";
}

bool COptionsPage::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_OPT_WINDOWS_STARTUP:
    case IDC_OPT_IE_STARTUP:
    case IDC_OPT_MANUAL_START:
        if (code != BN_CLICKED) break;
        model_.OnStartupMode(Checked(IDC_OPT_WINDOWS_STARTUP) ? StartupRadio::WindowsStartup
                             : Checked(IDC_OPT_MANUAL_START)  ? StartupRadio::ManualStart
                                                              : StartupRadio::IEStartup);
        return true;
    case IDC_OPT_ALWAYS_ON_TOP:
        if (code != BN_CLICKED) break;
        model_.OnAlwaysOnTop(Checked(id));
        return true;
    case IDC_OPT_CLOSE_TO_TRAY:
        if (code != BN_CLICKED) break;
        model_.OnCloseToTray(Checked(id));
        return true;
    case IDC_OPT_TEST_SOUND:
        if (code != BN_CLICKED) break;
        PlaySoundA(context_.settings.UserWavPath().c_str(), nullptr, SND_ASYNC | SND_FILENAME);
        return true;
    case IDC_OPT_LANGUAGE:
        if (code != CBN_SELCHANGE) break;
        OnLanguageChange();
        return true;
    case IDC_OPT_SOUND:
        if (code != CBN_SELCHANGE) break;
        OnSoundChange();
        return true;
    }
    return PropertyPage::OnCommand(id, code, control);
}

LRESULT COptionsPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SHOWWINDOW && wp) EnableSoundControls();
    return PropertyPage::WindowProc(msg, wp, lp);
}

}  // namespace popup
