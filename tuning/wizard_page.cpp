#include "tuning/wizard_pages.h"

#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "tuning/texts.h"
#include "tuning/wizard_sheet.h"

namespace tuning {
namespace {

const int kPageTemplates[kPageCount] = {104, 131, 132, 133, 135, 130, 134, 129, 139};

DWORD WizardFlags(int buttons) {
    DWORD flags = 0;
    if (buttons & kBack) flags |= PSWIZB_BACK;
    if (buttons & kNext) flags |= PSWIZB_NEXT;
    if (buttons & kFinish) flags |= PSWIZB_FINISH;
    return flags;
}

// A window caption shows "&&" as typed: it takes a single "&".
std::string CaptionText(std::string text) {
    for (std::string::size_type at = text.find("&&"); at != std::string::npos;
         at = text.find("&&", at + 1))
        text.erase(at, 1);
    return text;
}

std::string Unsigned(int value) { return std::to_string(static_cast<std::uint32_t>(value)); }

}  // namespace

CTuningPage::CTuningPage(int templateId, WizardPage index, CMyPropertySheet& sheet)
    : ui::PropertyPage(templateId), sheet_(sheet), index_(index) {
    // A wizard shows the active page's caption as its title.
    SetCaption(StepTitle());
}

std::string CTuningPage::StepTitle() const {
    const bool nt = Context().family == Family::NT;
    const int index = static_cast<int>(index_);
    if (index_ == kModemPage) return CaptionText(Text(texts::kModemStep));
    // The 9x family never shows the SYN and ICMP pages.
    if (!nt && index < static_cast<int>(std::size(texts::kSteps9x)))
        return CaptionText(Text(texts::kSteps9x[index]));
    return CaptionText(Text(texts::kStepsNT[index]));
}

TuningContext& CTuningPage::Context() const { return sheet_.Context(); }
TuningSettings& CTuningPage::Settings() const { return sheet_.Settings(); }
const LangTexts& CTuningPage::Texts() const { return sheet_.Context().texts; }
std::string CTuningPage::Text(const TextKey& key) const { return Texts().GetLangString(key); }

bool CTuningPage::OnSetActive() {
    const TuningContext& context = Context();
    sheet_.SetTitle(StepTitle());
    sheet_.SetWizardButtons(WizardFlags(ButtonsFor(index_, context.family, context.modemFound)));
    if (index_ != kConnectionPage) Context().skin.RedrawSkinnedWindow(sheet_.Handle());
    EnterPage();
    return true;
}

LRESULT CTuningPage::OnWizardNext() {
    const int next = NextPage(index_, Context().family, Context().modemFound);
    return next < 0 ? -1 : kPageTemplates[next];
}

LRESULT CTuningPage::OnWizardBack() {
    const int back = BackPage(index_, Context().family, Context().modemFound);
    return back < 0 ? -1 : kPageTemplates[back];
}

bool CTuningPage::OnWizardFinish() {
    if (!LeavePage()) return false;
    sheet_.ApplySettings();
    return true;
}

std::string CTuningPage::WithPrior(const TextKey& explain, const Setting& setting,
                                   const TextKey& unit) const {
    if (!setting.present) return Text(explain) + " " + Text(texts::kIsNotSet);
    return Text(explain) + " " + Text(texts::kWasSetTo) + " " + Unsigned(setting.prior) + " " +
           Text(unit) + ".";
}

std::string CTuningPage::WithCount(const TextKey& explain, const Setting& setting,
                                   const TextKey& lead) const {
    if (!setting.present) return Text(explain) + " " + Text(texts::kIsNotSet);
    return Text(explain) + " " + Text(lead) + " " + Unsigned(setting.prior) + ".";
}

std::string CTuningPage::WithState(const TextKey& explain, const Setting& setting) const {
    if (!setting.present) return Text(explain) + " " + Text(texts::kIsNotSet);
    return Text(explain) + " " + Text(setting.prior ? texts::kIsEnabled : texts::kIsDisabled);
}

int CTuningPage::EditNumber(int id) const {
    const long long number = std::strtoll(GetItemText(id).c_str(), nullptr, 10);
    if (number > INT32_MAX) return INT32_MAX;
    if (number < INT32_MIN) return INT32_MIN;
    return static_cast<int>(number);
}

void CTuningPage::SetEditNumber(int id, long long number) { SetItemText(id, std::to_string(number)); }

void CTuningPage::CorrectEditOnFocusLoss(int id, Edit edit) {
    const int value = EditNumber(id);
    const int corrected = CorrectEdit(edit, value, Settings());
    if (corrected != value) SetEditNumber(id, corrected);
}

}  // namespace tuning
