#include "privacy/look/language_combo.h"

#include <cctype>

#include "common/files/folder_list.h"
#include "common/files/whole_file.h"
#include "privacy/look/language_texts.h"

namespace privacy {
namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

bool IsLanguageFileName(const std::string& fileName, std::string* base) {
    const size_t dot = fileName.find('.');
    if (dot == std::string::npos || !EqualNoCase(fileName.substr(dot + 1), "ini")) return false;
    if (base) *base = fileName.substr(0, dot);
    return true;
}

bool CLanguageCombo::BindDlgItem(int id, HWND parent) {
    if (!SubclassDlgItem(id, parent)) return false;
    Fill();
    return true;
}

void CLanguageCombo::Fill() {
    ResetContent();
    flags_.Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 4);
    SetImageList(flags_);
    const std::string folder = ProgramFolder() + "\\Language";
    int chosen = 0;
    for (const files::FolderEntry& entry : files::ListMatches(folder + "\\*.*")) {
        std::string base;
        if (entry.isFolder || !IsLanguageFileName(entry.name, &base)) continue;
        const std::string flag = folder + "\\" + base + ".bmp";
        const int image = files::FileExists(flag) ? flags_.AddBitmapFile(flag, RGB(255, 0, 255)) : -1;
        const int item = AddItem(base, image);
        if (item >= 0 && EqualNoCase(base, LanguageName())) chosen = item;
    }
    SetCurSel(chosen);
}

bool CLanguageCombo::OnReflectedCommand(UINT code) {
    if (code != CBN_SELCHANGE) return false;
    const int selected = GetCurSel();
    if (selected < 0) return true;
    SetLanguageName(GetItemString(selected));
    LoadLanguage();
    return true;
}

}  // namespace privacy
