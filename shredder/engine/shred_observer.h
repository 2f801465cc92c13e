#pragma once
// What the shredding engine needs from the window that shows its progress:
// the progress dialog implements it in interactive and command-line runs,
// tests record every call. All calls come on the engine's one thread.
#include <cstdint>
#include <string>

namespace shredder {

class ShredObserver {
public:
    virtual ~ShredObserver() = default;
    // Makes the progress window exist (once per operation) and shows it;
    // false when it cannot be made.
    virtual bool OpenProgress() = 0;
    // Ends it (and the tray blink); the engine calls it when an operation ends.
    virtual void CloseProgress() = 0;
    virtual void SetTitle(const std::string& text) = 0;
    virtual void SetFileLine(const std::string& text) = 0;
    virtual void SetPassLine(const std::string& text) = 0;
    // The bar of the current file, and the overall bar.
    virtual void SetItemRange(uint32_t maximum) = 0;
    virtual void SetItemPos(uint32_t position) = 0;
    virtual void SetTotalRange(uint32_t maximum) = 0;
    virtual void StepTotal() = 0;
    virtual void EnableCancel(bool enable) = 0;
    // Repaints and dispatches the waiting messages; true once the user has
    // asked to stop.
    virtual bool ShouldAbort() = 0;
};

}  // namespace shredder
