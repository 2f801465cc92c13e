#include "shredder/pages/options_page.h"

#include <shellapi.h>

#include "common/suite/scourwell.h"
#include "shredder/core/system_places.h"
#include "shredder/pages/algorithm_editor_dlg.h"
#include "shredder/pages/shred_control_texts.h"
#include "shredder/pages/option_rules/option_texts.h"
#include "shredder/pages/option_rules/task_algorithms.h"
#include "shredder/res/algorithm_editor_dlg_res.h"
#include "shredder/res/options_page_res.h"
#include "shredder/shredder_app.h"

namespace shredder {

namespace {

const COLORREF kFlagMask = RGB(0, 0, 0);
const int kRecyclePageIndex = 4;

}  // namespace

CMyPropertyPage1::CMyPropertyPage1(CShredderApp& app)
    : ShredderPage(IDD_OPTIONS_PAGE, app), choice_(app.Algorithms(), app.Settings(), store_) {}

bool CMyPropertyPage1::OnInitDialog() {
    PropertyPage::OnInitDialog();
    CSkin& skin = App().Skin();
    if (skin.Create()) {
        skin.LoadSkin(App().AppPath() + "\\Title.skn");
        skin.ApplySkin(SheetHandle());
        skin.ApplySkin(Handle());
    }
    algorithms_.SubclassDlgItem(IDC_OPTIONS_ALGORITHM, Handle());
    languages_.SubclassDlgItem(IDC_OPTIONS_LANGUAGE, Handle());
    FillAlgorithms(choice_.InitialMethod());
    SetLanguageTexts();
    FillLanguageCombo();
    return true;
}

bool CMyPropertyPage1::OnSetActive() {
    SetLanguageTexts();
    return PropertyPage::OnSetActive();
}

void CMyPropertyPage1::SetLanguageTexts() {
    SetControlTexts(Handle(), App().Texts(),
                    {{IDC_OPTIONS_ALGORITHM_GROUP, texts::options::kAlgorithmGroup},
                     {IDC_OPTIONS_NEW, texts::options::kNew},
                     {IDC_OPTIONS_EDIT, texts::options::kEdit},
                     {IDC_OPTIONS_DELETE, texts::options::kDelete},
                     {IDC_OPTIONS_LANGUAGE_GROUP, texts::options::kLanguageGroup},
                     {IDC_OPTIONS_UPDATE_GROUP, texts::options::kLiveUpdate},
                     {IDC_OPTIONS_UPDATE, texts::options::kLiveUpdate}});
}

void CMyPropertyPage1::FillAlgorithms(int select) {
    algorithms_.ResetContent();
    for (const Algorithm& algorithm : App().Algorithms()) algorithms_.AddString(algorithm.name);
    const AlgorithmChoice choice = choice_.Select(select);
    algorithms_.SetCurSel(choice.index);
    ShowChoice(choice);
}

void CMyPropertyPage1::ShowChoice(const AlgorithmChoice& choice) {
    SetItemText(IDC_OPTIONS_DESCRIPTION, choice.description);
    EnableItem(IDC_OPTIONS_EDIT, choice.editable);
    EnableItem(IDC_OPTIONS_DELETE, choice.editable);
}

void CMyPropertyPage1::FillLanguageCombo() {
    languageEntries_ = lang::ListLanguages(App().AppPath(), suite::scourwell::kLangFolder,
                                           suite::scourwell::kLangFolder);
    flags_.Create(16, 16, ILC_COLOR8 | ILC_MASK, 0, 4);
    languages_.ResetContent();
    for (const lang::LanguageEntry& entry : languageEntries_)
        languages_.AddItem(entry.name, flags_.AddBitmapFile(entry.flagPath, kFlagMask));
    languages_.SetImageList(flags_);
    languages_.SetCurSel(LanguageIndex(languageEntries_, App().Settings().Language()));
}

void CMyPropertyPage1::FollowMoves(const PositionMoves& moves) {
    FillAlgorithms(choice_.Follow(moves).index);
    DispatchTasks tasks(App().Schedule(), App().Job());
    for (const std::string& report : TaskFollowingReports(FollowAlgorithmMoves(tasks, moves), App().Texts()))
        App().Messages().Ask(report, MB_OK | MB_ICONEXCLAMATION);
}

void CMyPropertyPage1::OnNewAlgorithm() {
    CAlgorithmEditorDlg editor(App().Algorithms(), store_, -1, App().Texts(), App().Messages(),
                               App().Skin());
    if (editor.DoModal(SheetHandle()) == IDC_EDITOR_SAVE) FollowMoves(editor.SaveResult().moves);
}

void CMyPropertyPage1::OnEditAlgorithm() {
    CAlgorithmEditorDlg editor(App().Algorithms(), store_, algorithms_.GetCurSel(), App().Texts(),
                               App().Messages(), App().Skin());
    if (editor.DoModal(SheetHandle()) == IDC_EDITOR_SAVE) FollowMoves(editor.SaveResult().moves);
}

void CMyPropertyPage1::OnDeleteAlgorithm() {
    bool keyKept = false;
    PositionMoves moves;
    choice_.Delete(algorithms_.GetCurSel(), keyKept, moves);
    if (keyKept)
        App().Messages().Ask(App().Texts().Text(texts::options::kDeleteFailed), MB_OK | MB_ICONERROR);
    FollowMoves(moves);
}

void CMyPropertyPage1::OnSelChangeLanguage() {
    const int index = languages_.GetCurSel();
    if (index < 0 || index >= static_cast<int>(languageEntries_.size())) return;
    ui::ScreenMessagePrompt prompt;
    LanguageChangeParts parts{App().Settings(), App().Texts(), App().Mutex(), prompt, *this};
    ChangeLanguage(parts, languageEntries_[index].name);
}

void CMyPropertyPage1::ApplyLanguageTexts(const std::string& language) {
    App().UseLanguage(language);
    SetLanguageTexts();
    App().Sheet()->SetLanguageTexts();
}

void CMyPropertyPage1::CyclePages() {
    PropSheet_SetCurSel(SheetHandle(), nullptr, kRecyclePageIndex + 1);
    PropSheet_SetCurSel(SheetHandle(), nullptr, 0);
}

void CMyPropertyPage1::RegisterBinVerb() {
    RegisterRecycleBinVerb(App().AppPath(), App().Texts().Text(texts::kRecycleVerb));
}

void CMyPropertyPage1::EndInstance() {
    App().Sheet()->DeleteTrayIcon();
    ExitProcess(0);
}

void CMyPropertyPage1::OnRunUpdate() {
    const std::string folder = App().AppPath() + "\\Update";
    ShellExecuteA(Handle(), "open", (folder + "\\Update.exe").c_str(), nullptr, folder.c_str(),
                  SW_SHOWNORMAL);
}

bool CMyPropertyPage1::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_OPTIONS_ALGORITHM:
        if (code != CBN_SELCHANGE) break;
        ShowChoice(choice_.Select(algorithms_.GetCurSel()));
        return true;
    case IDC_OPTIONS_LANGUAGE:
        if (code != CBN_SELCHANGE) break;
        OnSelChangeLanguage();
        return true;
    case IDC_OPTIONS_NEW: OnNewAlgorithm(); return true;
    case IDC_OPTIONS_EDIT: OnEditAlgorithm(); return true;
    case IDC_OPTIONS_DELETE: OnDeleteAlgorithm(); return true;
    case IDC_OPTIONS_UPDATE: OnRunUpdate(); return true;
    }
    return PropertyPage::OnCommand(id, code, control);
}

}  // namespace shredder
