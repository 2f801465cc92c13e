#pragma once
// The main form: the start-up entry list with its pending status changes,
// the Disable/Remove/Reset All/Add Task buttons, the language chooser with
// flags, the blinking note that nothing happens before Apply, and the
// Edit, Profile, Apply and Help menus. Split by concern over
// main_form.cpp (list and buttons), main_form_menus.cpp and
// main_form_texts.cpp (captions and languages).
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_view.h"
#include "platform/ui/message_prompt.h"
#include "platform/ui/skin.h"
#include "startup/app/about_dlg.h"
#include "startup/app/shell_seam.h"
#include "startup/core/entry_list.h"
#include "startup/core/exit_windows.h"
#include "startup/core/language.h"

namespace startup {

// What the form reaches outside itself; the program passes the system's.
struct QuarrowSeams {
    std::string programFolder;
    Places places;
    ui::MessagePrompt* prompt = nullptr;
    Shell* shell = nullptr;
    ExitWindowsCall exitWindows = SystemExitWindows;
};

constexpr UINT_PTR kNoteTimer = 1;
constexpr UINT kNoteInterval = 500;

class CMainForm : public ui::Dialog {
public:
    CMainForm(const QuarrowSeams& seams, Language& language);

    bool PreTranslateMessage(MSG& msg) override;

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { Unload(); }
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // main_form.cpp: the list and the buttons.
    void InsertColumns();
    void RestLang();
    void ShowRows(int select);
    void ShowRow(int row);
    int SelectedRow() const;
    void SetButtonState(int row);
    void OnDisable();
    void OnRemove();
    void OnReset();
    void OnAddTask();
    void OnNoteTimer();
    void Unload();

    // main_form_menus.cpp
    bool OnMenu(UINT id);
    bool ApplyNow();
    void ApplyAndEndSession(long option);
    void SaveProfile();
    void LoadProfile();
    void EditRootFile(const char* name);
    void OpenRegistryEditor();
    void OpenHelp();
    void RunProgram(const std::string& commandLine);
    void Tell(const std::string& text, UINT flags);

    // main_form_texts.cpp
    void FillLangCombo();
    void SetCaptions();
    void SetMenuTexts();
    void OnLanguageChosen();
    void ShowCurrentLanguage();

    QuarrowSeams seams_;
    Language& language_;
    EntryList list_;
    ui::ListView listView_;
    ui::ComboBoxEx languages_;
    ui::ImageList flags_;
    CSkin skin_;
    CAboutDlg about_;
    std::vector<LanguageChoice> choices_;
    std::string enableCaption_;
    std::string disableCaption_;
    bool noteVisible_ = true;
};

}  // namespace startup
