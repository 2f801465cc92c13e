#pragma once
// What the Shred Files and Shred Folders pages share, without their
// windows: the list gathered by dropping and browsing, Remove Item and
// Remove All, Shred Now through the engine and Schedule through a task.
// Every action leaves Rows() as the list must show it; after Shred Now and
// Schedule the list is empty. While Shred Now or Schedule runs (its
// questions and the engine pump messages) every action of the list is
// ignored: the run goes through the rows it started with, and the list
// cannot change under it.
#include <cstdint>
#include <string>
#include <vector>

#include "shredder/pages/shredding/page_context.h"
#include "shredder/pages/shredding/path_rows.h"

namespace shredder {

// The messages in which the two pages differ.
struct ShredListTexts {
    TextRef wrongKind;         // a dropped item of the other kind
    TextRef noSelection;       // Remove Item without a selected row
    TextRef nothingToRemove;   // Remove All on an empty list
    TextRef confirmRemoveAll;
    TextRef nothingToShred;
    TextRef confirmShred;
    TextRef nothingToSchedule;
};

class ShredListModel {
public:
    virtual ~ShredListModel() = default;

    const PathRows& Rows() const { return rows_; }
    bool ScheduleEnabled() const { return !context_.schedulerUnavailable; }
    // Shred Now or Schedule is under way.
    bool Running() const { return running_; }

    // Dropped paths: each one that no row shows yet and that is of the
    // list's kind becomes a row; the other kind is refused with a message.
    void OnDropFiles(const std::vector<std::string>& paths);
    // `selected`: the indexes of the selected rows.
    void OnRemoveItem(const std::vector<int>& selected);
    void OnRemoveAll();
    void OnShredNow();
    void OnSchedule();

protected:
    ShredListModel(ShredPageContext& context, const ShredListTexts& texts);

    // A chosen path (file dialog, folder browser) as a new row unless shown.
    void AddChosen(const std::string& path);
    int Tell(const TextRef& text, unsigned type);
    // The path is gone: says so and answers kStop, which ends the run.
    int ReportInaccessible(const std::string& path);

    ShredPageContext& context_;

private:
    virtual bool TakesFolders() const = 0;
    // The bytes one row will write per pass.
    virtual uint64_t RowBytes(const PathRow& row) = 0;
    // Shreds one row: kGoOn, or kStop to end the run.
    virtual int ShredRow(const PathRow& row) = 0;
    // Whether a row goes into a task: kAddYes, kAddSkip or kAddStop.
    virtual int ConfirmForTask(const PathRow& row) = 0;
    virtual std::string TaskLine(const std::string& taskName,
                                 const std::vector<std::string>& paths) const = 0;

    const ShredListTexts texts_;
    PathRows rows_;
    bool running_ = false;
};

// The absolute name of a path, as the file system resolves it.
std::string FullPathName(const std::string& path);

}  // namespace shredder
