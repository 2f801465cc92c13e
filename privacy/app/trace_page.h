// CTracePage: the third page of the main window, what the browser's URL
// cache keeps about the sites a user visited: sites on the left, the chosen
// site's cookies, history entries and cached files on the right, with
// commands to open or delete them. A cached file whose type would run code
// is not opened; a box says why.
#pragma once
#include <functional>
#include <string>

#include "platform/ui/dialog.h"
#include "platform/ui/message_prompt.h"
#include "privacy/cache/trace_list.h"
#include "privacy/look/skin_button.h"
#include "privacy/look/striped_list.h"

namespace privacy {

// Opens a cached file for the user.
using FileOpener = std::function<void(HWND owner, const std::string& file)>;
// The shell's "open" verb in a normal window.
void OpenWithShell(HWND owner, const std::string& file);

class CTracePage : public ui::Dialog {
public:
    // prompt outlives the page.
    explicit CTracePage(ui::MessagePrompt& prompt, FileOpener open = OpenWithShell);

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void ApplyTexts();
    // Reads the cache anew into both lists; no site is chosen afterwards.
    void Refresh();
    void ShowSiteEntries();
    void OpenEntry();
    void DeleteEntry();
    void DeleteSiteEntries();
    static int CALLBACK CompareEntries(LPARAM a, LPARAM b, LPARAM page);

    ui::MessagePrompt& prompt_;
    FileOpener open_;
    CStripedListCtrl siteList_;
    CStripedListCtrl entryList_;
    CSkinButton refresh_;
    CTraceList traces_;
    int sortColumn_ = 0;
};

}  // namespace privacy
