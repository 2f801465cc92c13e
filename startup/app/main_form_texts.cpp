#include "startup/app/main_form.h"

#include <cctype>
#include <cstddef>

#include "startup/app/texts.h"
#include "startup/res/resource_ids.h"

namespace startup {
namespace {

struct MenuText {
    UINT id;  // a command, or the position of a top-level menu below 10
    const char* key;
    const char* english;
};

const MenuText kMenuTexts[] = {
    {0, "110", "&Edit"},
    {ID_EDIT_AUTOEXEC, "111", "Autoexec.bat"},
    {ID_EDIT_CONFIG, "112", "Config.sys"},
    {ID_EDIT_REGISTRY, "113", "Registry"},
    {1, "120", "&Profile"},
    {ID_PROFILE_SAVE, "121", "&Save to profile"},
    {ID_PROFILE_LOAD, "122", "&Load from profile"},
    {2, "130", "&Apply"},
    {ID_APPLY_RESTART, "131", "Apply and &Restart Windows"},
    {ID_APPLY_LOGOFF, "132", "Apply and &LogOff"},
    {ID_APPLY_EXIT, "133", "Apply and& Exit Program"},
    {ID_APPLY_JUST, "134", "&Just Apply"},
    {3, "140", "&Help"},
    {ID_HELP_INDEX, "141", "Help &Index"},
    {ID_HELP_ABOUT, "142", "&About"},
    {ID_HELP_UPDATE, "143", "&Update Ferrowend"},
};

const MenuText kColumnTexts[] = {
    {0, "151", "Task Name"}, {1, "152", "Status"}, {2, "153", "Load From"},
    {3, "154", "User"},      {4, "155", "When?"},  {5, "156", "Location"},
};

bool SameFileName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

// Each language with the flag of the same name, when there is one.
void CMainForm::FillLangCombo() {
    choices_ = ListLanguageChoices(language_.LangFolder());
    languages_.ResetContent();
    flags_.Reset();
    flags_.Create(16, 16, ILC_COLOR24 | ILC_MASK, static_cast<int>(choices_.size()), 4);
    std::vector<int> images;
    for (const LanguageChoice& choice : choices_)
        images.push_back(flags_.AddBitmapFile(choice.flagPath, RGB(255, 0, 255)));
    if (flags_.GetImageCount() > 0) languages_.SetImageList(flags_);
    for (size_t i = 0; i < choices_.size(); ++i) languages_.AddItem(choices_[i].name, images[i]);
    ShowCurrentLanguage();
}

void CMainForm::ShowCurrentLanguage() {
    for (size_t i = 0; i < choices_.size(); ++i) {
        if (SameFileName(choices_[i].file, language_.CurrentLanguageFile())) {
            languages_.SetCurSel(static_cast<int>(i));
            return;
        }
    }
    languages_.SetCurSel(-1);
}

// Every caption in the current language; a key the file lacks keeps the
// English text.
void CMainForm::SetCaptions() {
    SetText(language_.Text("109", kAppTitle));
    SetItemText(IDC_PROGRAMS_LABEL, language_.Text("101", "StartUp Programs"));
    SetItemText(IDC_REMOVE, language_.Text("103", "&Remove"));
    SetItemText(IDC_RESET, language_.Text("104", "R&eset All"));
    SetItemText(IDC_ADD_TASK, language_.Text("105", "Add &Task"));
    SetItemText(IDC_LANGUAGE_LABEL, language_.Text("106", "Select  Language"));
    SetItemText(IDC_NOTE, language_.Text("108", "Note: no action comes into effect unless you "
                                                "choose an item from the apply menu"));
    disableCaption_ = language_.Text("102", "&Disable");
    enableCaption_ = language_.Text("107", "&Enable");
    SetItemText(IDC_DISABLE, disableCaption_);
    for (const MenuText& column : kColumnTexts) {
        std::string text = language_.Text(column.key, column.english);
        LVCOLUMNA header = {};
        header.mask = LVCF_TEXT;
        header.pszText = &text[0];
        listView_.Send(LVM_SETCOLUMNA, column.id, reinterpret_cast<LPARAM>(&header));
    }
    SetMenuTexts();
}

void CMainForm::SetMenuTexts() {
    HMENU menu = GetMenu(Handle());
    if (!menu) return;
    for (const MenuText& item : kMenuTexts) {
        const std::string text = language_.Text(item.key, item.english);
        const bool top = item.id < 10;
        MENUITEMINFOA info = {};
        // The size every Windows knows.
        info.cbSize = offsetof(MENUITEMINFOA, hbmpItem);
        info.fMask = MIIM_TYPE;
        info.fType = MFT_STRING;
        info.dwTypeData = const_cast<char*>(text.c_str());
        SetMenuItemInfoA(menu, item.id, top ? TRUE : FALSE, &info);
    }
    DrawMenuBar(Handle());
}

void CMainForm::OnLanguageChosen() {
    const int chosen = languages_.GetCurSel();
    if (!seams_.prompt->AskYesNo("This will reset the startup list,continue?!", kAppTitle) ||
        chosen < 0 || chosen >= static_cast<int>(choices_.size())) {
        ShowCurrentLanguage();
        return;
    }
    if (choices_[chosen].file != language_.CurrentLanguageFile()) {
        language_.SetCurrentLanguageFile(choices_[chosen].file);
        SetCaptions();
    }
    RestLang();
}

}  // namespace startup
