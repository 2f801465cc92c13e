#include "shredder/pages/shredding/recycle_model.h"

#include "common/suite/scourwell.h"
#include "shredder/pages/shredding/page_texts.h"

namespace shredder {

using suite::scourwell::kBinAlertDisabledValue;

const TextRef& AlertNotice(int mode) {
    return mode == kAlertRecycleBin ? shred_page_texts::kBinConflict : shred_page_texts::kOldShell;
}

bool RecyclePageModel::WarningAccepted() {
    if (context_.settings.ReadDword(kBinAlertDisabledValue, 0) != 0) return true;
    // A silent run has nobody to answer: a box would hold the task for good.
    if (context_.messenger.Silent()) {
        context_.messenger.Tell(context_.texts.Text(AlertNotice(kAlertRecycleBin)), MB_OK | MB_ICONWARNING);
        return true;
    }
    const AlertResult answer = alert_.ShowAlert(kAlertRecycleBin);
    if (!answer.ok) return false;
    if (answer.dontShowAgain) context_.settings.WriteDword(kBinAlertDisabledValue, 1);
    return true;
}

int RecyclePageModel::OnShredNow() {
    if (!WarningAccepted()) return kGoOn;
    return context_.engine.ShredRecycleBin();
}

void RecyclePageModel::OnSchedule() {
    if (!WarningAccepted()) return;
    const std::string name = context_.tasks.CreateTask();
    if (name.empty()) return;
    context_.tasks.FinishTask(
        suite::scourwell::RecycleTaskLine(name, context_.settings.Method()));
}

}  // namespace shredder
