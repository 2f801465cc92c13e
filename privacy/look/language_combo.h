// CLanguageCombo: the extended combo box that lists the language files of
// <program folder>\Language with their 16 x 16 flag pictures and switches
// the program's language when the user picks one.
#pragma once
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/image_list.h"

namespace privacy {

// A file name that lists as a language: its extension after the first "."
// is "ini" in any case. *base receives the text before the first ".".
bool IsLanguageFileName(const std::string& fileName, std::string* base);

class CLanguageCombo : public ui::ComboBoxEx {
public:
    // Binds the dialog's combo box and fills it; the current language (or
    // the first item) is selected.
    bool BindDlgItem(int id, HWND parent);
    // Refills the list from the language folder.
    void Fill();

protected:
    bool OnReflectedCommand(UINT code) override;

private:
    ui::ImageList flags_;
};

}  // namespace privacy
