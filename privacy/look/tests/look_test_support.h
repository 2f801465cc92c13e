// What the look tests share: the skin loaded once, a 32-bit memory canvas
// whose pixels can be read back, and a skinned dialog built from the test
// template with the tab bar, a striped list, a skinned button and the
// language box.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "privacy/look/button_animate.h"
#include "privacy/look/dialog_skin.h"
#include "privacy/look/language_combo.h"
#include "privacy/look/striped_list.h"

namespace looktest {

// LoadSkinBitmaps and RegisterSkinWindowClasses, once per test program.
void LoadSkinOnce();

// A top-down 32-bit bitmap selected into a memory context.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const;
    int width() const { return width_; }
    int height() const { return height_; }
    // Copies width x height from (x, y) of `source`.
    void CopyFrom(HDC source, int x, int y);

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    uint32_t* bits_ = nullptr;
};

// The test dialog: the tab bar with three tabs in place of its placeholder,
// the striped list with rows, the skinned button, the language box.
class SkinnedTestDialog : public privacy::CDialogSkin1 {
public:
    SkinnedTestDialog();
    privacy::CButtonAnimate tabs;
    privacy::CStripedListCtrl list;
    privacy::CSkinButton button;
    privacy::CLanguageCombo languages;
    std::vector<UINT> commands;
    std::vector<std::pair<WPARAM, LPARAM>> tabMessages;
    std::vector<WPARAM> columnClicks;
    int retexts = 0;
    bool fakeLeftButton = false;
    bool useFakeButton = false;

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool LeftButtonDown() const override;
};

}  // namespace looktest
