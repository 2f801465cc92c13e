#pragma once
// The "Shred Recycle Bin" page: the Recycle Bin of every local hard drive
// shredded now, after the conflict warning, or scheduled.
#include "shredder/pages/app_page_context.h"
#include "shredder/window/shredder_page.h"

namespace shredder {

class CMyPropertyPage5 : public ShredderPage {
public:
    explicit CMyPropertyPage5(CShredderApp& app);

    // Shred Now: also what a command-line run does for "recycle". The
    // engine's result.
    int ShredRecycleBin();

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void SetLanguageTexts();

    AppPageContext context_;
};

}  // namespace shredder
