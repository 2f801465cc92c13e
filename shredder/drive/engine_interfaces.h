#pragma once
// The two narrow seams between the whole-drive wipe and the rest of the
// shredder: where the pass data comes from (the chosen overwrite algorithm)
// and who is told about progress and asked questions (the progress dialog
// in interactive runs, the log in silent ones). The application implements
// both; tests implement them to script answers and record what was said.
#include <cstdint>
#include <string>

#include "shredder/algorithms/algorithm.h"
#include "shredder/drive/drive_messages.h"

namespace shredder {

// The chosen overwrite algorithm.
class PassSource {
public:
    virtual ~PassSource() = default;
    virtual int PassCount() = 0;
    // Prepares the 64 KB pass buffer for pass `index` (from 0). The same
    // buffer is handed in for every pass of one run, so a complement pass
    // inverts what the pass before it wrote. Pass 0 begins a run.
    virtual void FillPass(int index, uint8_t* buffer) = 0;
    // The progress line of pass `index` ("Pass 1 of 3: Write random data.").
    virtual std::string PassText(int index) = 0;
};

// Answers a message box gives.
enum class Answer { Ok, Yes, No };

class DriveObserver {
public:
    virtual ~DriveObserver() = default;

    // The language file's text for `key`, `english` when it has none.
    virtual std::string Text(int key, const char* english) = 0;
    // Shows or logs `message` with `argument` in place of its "%s"; returns
    // the button pressed (Ok for messages that only inform).
    virtual Answer Report(const DriveMessage& message, const std::string& argument) = 0;
    // The system's text for error `code` in a box titled "Error".
    virtual void ReportSystemError(uint32_t code) = 0;

    // The progress dialog: opened with its title, item line and overall
    // range; each pass restarts the item bar; every written block advances
    // both bars and lets waiting messages through.
    virtual bool OpenProgress(const std::string& title, const std::string& itemLine,
                              uint64_t overallRange) = 0;
    virtual void BeginPass(const std::string& passLine, uint64_t itemRange) = 0;
    virtual void BlockWritten(uint64_t itemPosition) = 0;
    // Harmless when no progress dialog is open.
    virtual void CloseProgress() = 0;
    // Read before every block: Cancel was pressed or the session ends.
    virtual bool ShouldAbort() = 0;
};

}  // namespace shredder
