#include "shredder/pages/shredding/shred_list_model.h"

#include "shredder/pages/shredding/page_texts.h"

namespace shredder {

namespace {

// Marks a run for its whole length, however it ends.
class RunMark {
public:
    explicit RunMark(bool& running) : running_(running) { running_ = true; }
    ~RunMark() { running_ = false; }
    RunMark(const RunMark&) = delete;
    RunMark& operator=(const RunMark&) = delete;

private:
    bool& running_;
};

}  // namespace

ShredListModel::ShredListModel(ShredPageContext& context, const ShredListTexts& texts)
    : context_(context), texts_(texts) {}

int ShredListModel::Tell(const TextRef& text, unsigned type) {
    return context_.messenger.Tell(context_.texts.Text(text), type);
}

int ShredListModel::ReportInaccessible(const std::string& path) {
    context_.messenger.Tell(FillIn(context_.texts.Text(texts::kUnableToAccess), "%s", path),
                            MB_OKCANCEL | MB_ICONINFORMATION);
    return kStop;
}

std::string FullPathName(const std::string& path) {
    char full[MAX_PATH * 2] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : path;
}

void ShredListModel::OnDropFiles(const std::vector<std::string>& paths) {
    if (running_) return;
    for (const std::string& path : paths) {
        if (rows_.Find(path) >= 0) continue;
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            context_.messenger.Tell(FillIn(context_.texts.Text(texts::kUnableToAccess), "%s", path),
                                    MB_OK | MB_ICONSTOP);
            continue;
        }
        if (((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) != TakesFolders()) {
            Tell(texts_.wrongKind, MB_OK | MB_ICONSTOP);
            continue;
        }
        rows_.Add(path, FullPathName(path));
    }
}

void ShredListModel::AddChosen(const std::string& path) {
    if (!path.empty() && !running_) rows_.Add(path, path);
}

void ShredListModel::OnRemoveItem(const std::vector<int>& selected) {
    if (running_) return;
    if (selected.empty()) {
        Tell(texts_.noSelection, MB_OK | MB_ICONSTOP);
        return;
    }
    rows_.Remove(selected);
}

void ShredListModel::OnRemoveAll() {
    if (running_) return;
    if (rows_.empty()) {
        Tell(texts_.nothingToRemove, MB_OK | MB_ICONSTOP);
        return;
    }
    if (Tell(texts_.confirmRemoveAll, MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2) == IDYES) rows_.Clear();
}

void ShredListModel::OnShredNow() {
    if (running_) return;
    const RunMark mark(running_);
    if (rows_.empty()) {
        Tell(texts_.nothingToShred, MB_OK | MB_ICONSTOP);
        return;
    }
    if (context_.messenger.TellTitled(context_.texts.Text(texts_.confirmShred),
                                      context_.texts.Text(shred_page_texts::kWarningTitle),
                                      MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2) != IDYES)
        return;
    ShredEngine& engine = context_.engine;
    engine.ClearAbort();
    // An algorithm deleted since it was chosen: nothing is shredded and the
    // list stays for another try.
    int index = 0;
    const Algorithm* algorithm = engine.CurrentAlgorithm(&index);
    if (!algorithm) {
        engine.ReportNoAlgorithm(index);
        return;
    }
    uint64_t bytes = 0;
    for (const PathRow& row : rows_) bytes += RowBytes(row);
    engine.SetProgressTotal(((bytes * algorithm->passes.size()) >> 16) + 1);
    // The engine's stop result (Cancel in a question, a failed write) and
    // Cancel in the progress window both end the run.
    for (const PathRow& row : rows_) {
        if (ShredRow(row) != kGoOn || engine.Abort()) break;
    }
    rows_.Clear();
    engine.DestroyProgressDialog();
}

void ShredListModel::OnSchedule() {
    if (running_) return;
    const RunMark mark(running_);
    if (rows_.empty()) {
        Tell(texts_.nothingToSchedule, MB_OK | MB_ICONSTOP);
        return;
    }
    // The rows as they were when Schedule was pressed.
    const PathRows rows = rows_;
    std::vector<std::string> paths;
    bool stopped = false;
    for (const PathRow& row : rows) {
        const int answer = ConfirmForTask(row);
        if (answer == kAddStop) {
            stopped = true;
            break;
        }
        if (answer == kAddYes) paths.push_back(row.path);
    }
    rows_.Clear();
    if (stopped || paths.empty()) return;
    const std::string name = context_.tasks.CreateTask();
    if (name.empty()) return;
    context_.tasks.FinishTask(TaskLine(name, paths));
}

}  // namespace shredder
