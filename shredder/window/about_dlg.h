#pragma once
// The About box (130): its texts in the user's language, the program
// file's copyright and version values, and a link to the maker's web site.
#include "platform/ui/dialog.h"
#include "platform/ui/skin.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/window/hyperlink_ctrl.h"

namespace shredder {

// The web site the About box links to.
constexpr char kMakerWebSite[] = "http://www.velmora.example/";

class CAboutDlg : public ui::Dialog {
public:
    CAboutDlg(const ShredderTexts& texts, CSkin& skin);

protected:
    bool OnInitDialog() override;

private:
    void SetLanguageTexts();
    // Each of the two statics names a version value; a present, non-empty
    // value replaces the name.
    void GetVersionString();

    const ShredderTexts& texts_;
    CSkin& skin_;
    CHyperLinkCtrl link_;
};

}  // namespace shredder
