#pragma once
// The whole-drive wipe told through the engine's own channels: texts from
// the language file, messages through the Messenger (boxes titled with the
// caption, or "log.txt" in silent runs, except those a silent run still
// shows), progress and Cancel through the engine's progress window.
#include "shredder/core/messenger.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/drive/engine_interfaces.h"
#include "shredder/engine/shred_engine.h"
#include "shredder/engine/shred_observer.h"

namespace shredder {

class EngineDriveObserver : public DriveObserver {
public:
    EngineDriveObserver(ShredEngine& engine, ShredObserver& progress, Messenger& messenger,
                        const ShredderTexts& texts)
        : engine_(engine), progress_(progress), messenger_(messenger), texts_(texts) {}

    std::string Text(int key, const char* english) override;
    Answer Report(const DriveMessage& message, const std::string& argument) override;
    void ReportSystemError(uint32_t code) override;
    bool OpenProgress(const std::string& title, const std::string& itemLine,
                      uint64_t overallRange) override;
    void BeginPass(const std::string& passLine, uint64_t itemRange) override;
    void BlockWritten(uint64_t itemPosition) override;
    void CloseProgress() override { engine_.DestroyProgressDialog(); }
    // Cancel in the progress window sets the engine's abort flag, so the
    // command-line run stops after the drive as well.
    bool ShouldAbort() override;

private:
    ShredEngine& engine_;
    ShredObserver& progress_;
    Messenger& messenger_;
    const ShredderTexts& texts_;
};

}  // namespace shredder
