#pragma once
// The progress window (137) the engine shows while it works: the current
// item's bar and the overall bar, two lines of text and Cancel. It is the
// engine's observer: Cancel (or Escape) raises the abort flag the engine
// polls between writes. The main sheet stays disabled from the window's
// opening until the engine closes it, so nothing else starts meanwhile.
#include <windows.h>

#include <cstdint>

#include "platform/ui/dialog.h"
#include "platform/ui/skin.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/engine/shred_observer.h"

namespace shredder {

// What the progress window works with: the window it disables, the tray
// blink, and the abort flag the engine polls.
class ProgressHost {
public:
    virtual ~ProgressHost() = default;
    // Null when there is no main window (yet).
    virtual HWND SheetWindow() = 0;
    virtual void ProgressShown(bool shown) = 0;
    virtual bool& AbortFlag() = 0;
    // The program's skin control.
    virtual CSkin& Skin() = 0;
};

// A 32-bit range on a bar that holds 31 bits: ranges above are halved
// until they fit, and positions with them.
class BarScale {
public:
    void SetRange(uint32_t maximum);
    int Range() const { return static_cast<int>(range_ >> shift_); }
    int Position(uint64_t position) const;

private:
    uint64_t range_ = 0;
    int shift_ = 0;
};

class CProgressDlg : public ui::Dialog, public ShredObserver {
public:
    CProgressDlg(const ShredderTexts& texts, ProgressHost& host);

    bool OpenProgress() override;
    void CloseProgress() override;
    void SetTitle(const std::string& text) override;
    void SetFileLine(const std::string& text) override;
    void SetPassLine(const std::string& text) override;
    void SetItemRange(uint32_t maximum) override;
    void SetItemPos(uint32_t position) override;
    void SetTotalRange(uint32_t maximum) override;
    void StepTotal() override;
    void EnableCancel(bool enable) override;
    bool ShouldAbort() override;

protected:
    bool OnInitDialog() override;
    void OnCancel() override;
    void OnOK() override {}
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void SetLanguageTexts();

    const ShredderTexts& texts_;
    ProgressHost& host_;
    HWND disabledSheet_ = nullptr;
    BarScale item_;
    BarScale total_;
    uint64_t totalDone_ = 0;
};

}  // namespace shredder
