#include "shredder/pages/shredding/recycle_model.h"

#include "common/suite/scourwell.h"
#include "shredder/pages/shredding/page_texts.h"

namespace shredder {

using suite::scourwell::kBinAlertDisabledValue;

const TextRef& AlertNotice(int mode) {
    return mode == kAlertRecycleBin ? shred_page_texts::kBinConflict : shred_page_texts::kOldShell;
}

int RecyclePageModel::OnShredNow() {
    if (context_.settings.ReadDword(kBinAlertDisabledValue, 0) == 0) {
        const AlertResult answer = alert_.ShowAlert(kAlertRecycleBin);
        if (!answer.ok) return kGoOn;
        if (answer.dontShowAgain) context_.settings.WriteDword(kBinAlertDisabledValue, 1);
    }
    return context_.engine.ShredRecycleBin();
}

void RecyclePageModel::OnSchedule() {
    const std::string name = context_.tasks.CreateTask();
    if (name.empty()) return;
    context_.tasks.FinishTask(
        suite::scourwell::RecycleTaskLine(name, context_.settings.Method()));
}

}  // namespace shredder
