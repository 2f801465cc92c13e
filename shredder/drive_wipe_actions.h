#pragma once
// What the engine does with a fixed-drive root: asks which wipe the user
// wants (through the drive-options chooser, when the program has one) and
// runs the whole-drive wipe with the run's algorithm, its texts, messages
// and progress window.
#include <string>

#include "shredder/algorithms/pass_buffer.h"
#include "shredder/core/messenger.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/drive/drive_environment.h"
#include "shredder/engine/shred_engine.h"
#include "shredder/engine/shred_observer.h"

namespace shredder {

// The drive-options question for a root that came with drive option -1.
class DriveOptionsChooser {
public:
    virtual ~DriveOptionsChooser() = default;
    // False when cancelled; otherwise `freeSpace` and `formatAfter` hold
    // the choice.
    virtual bool Choose(const std::string& root, const std::string& fileSystem, bool& freeSpace,
                        bool& formatAfter) = 0;
};

class DriveWipeActions : public DriveActions {
public:
    DriveWipeActions(ShredEngine& engine, ShredObserver& progress, Messenger& messenger,
                     const ShredderTexts& texts, PassBuffer& buffer, RandomSource& random,
                     DriveEnvironment& environment)
        : engine_(engine),
          progress_(progress),
          messenger_(messenger),
          texts_(texts),
          buffer_(buffer),
          random_(random),
          environment_(environment) {}

    // Without a chooser every drive-options question counts as cancelled.
    void SetChooser(DriveOptionsChooser* chooser) { chooser_ = chooser; }

    bool ChooseDriveWipe(const std::string& root, const std::string& fileSystem, bool& freeSpace,
                         bool& formatAfter) override;
    // kStop when the wipe was cancelled or no algorithm can be used, so the
    // run's remaining items are left alone; kGoOn otherwise.
    int ShredDrive(const std::string& drive, const std::string& displayName,
                   const std::string& fileSystem, bool formatAfter) override;

private:
    ShredEngine& engine_;
    ShredObserver& progress_;
    Messenger& messenger_;
    const ShredderTexts& texts_;
    PassBuffer& buffer_;
    RandomSource& random_;
    DriveEnvironment& environment_;
    DriveOptionsChooser* chooser_ = nullptr;
};

}  // namespace shredder
