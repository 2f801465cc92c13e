#pragma once
// The engine's observer until the progress window exists: no window, but
// the message queue is pumped between writes as the window would, so the
// program stays responsive; nothing asks to stop.
#include "shredder/engine/shred_observer.h"

namespace shredder {

class PumpingObserver : public ShredObserver {
public:
    bool OpenProgress() override { return true; }
    void CloseProgress() override {}
    void SetTitle(const std::string&) override {}
    void SetFileLine(const std::string&) override {}
    void SetPassLine(const std::string&) override {}
    void SetItemRange(uint32_t) override {}
    void SetItemPos(uint32_t) override {}
    void SetTotalRange(uint32_t) override {}
    void StepTotal() override {}
    void EnableCancel(bool) override {}
    bool ShouldAbort() override;
};

}  // namespace shredder
