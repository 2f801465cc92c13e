#include "shredder/drive_wipe_actions.h"

#include "shredder/algorithm_pass_source.h"
#include "shredder/drive/drive_shredder.h"
#include "shredder/drive_wipe_observer.h"

namespace shredder {

bool DriveWipeActions::ChooseDriveWipe(const std::string& root, const std::string& fileSystem,
                                       bool& freeSpace, bool& formatAfter) {
    return chooser_ && chooser_->Choose(root, fileSystem, freeSpace, formatAfter);
}

int DriveWipeActions::ShredDrive(const std::string& drive, const std::string& displayName,
                                 const std::string&, bool formatAfter) {
    int index = 0;
    const Algorithm* algorithm = engine_.CurrentAlgorithm(&index);
    if (!algorithm) {
        engine_.ReportNoAlgorithm(index);
        return kStop;
    }
    AlgorithmPassSource passes(*algorithm, buffer_, random_, texts_);
    EngineDriveObserver observer(engine_, progress_, messenger_, texts_);
    DriveShredder shredder(environment_, passes, observer);
    DriveWipeRequest request;
    request.drive = drive;
    request.displayName = displayName;
    request.format = formatAfter;
    const DriveWipeResult result = shredder.ShredDrive(request);
    if (result.outcome == DriveWipeOutcome::Declined || result.outcome == DriveWipeOutcome::Aborted)
        engine_.NoteCancelled();
    return result.outcome == DriveWipeOutcome::Aborted ? kStop : kGoOn;
}

}  // namespace shredder
