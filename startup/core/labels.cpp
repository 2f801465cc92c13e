#include "startup/core/labels.h"

namespace startup {
namespace {

struct LabelKey {
    const char* key;
    const char* english;
};

const LabelKey kLocationKeys[kLabelledPlaces] = {
    {"426", "Registry(User Run)"},       {"427", "Registry(Machine Run)"},
    {"428", "Registry(Machine RunOnce)"}, {"429", "Registry(Machine RunOnceEx)"},
    {"430", "StartUp (Current User)"},    {"431", "StartUp (All Users)"},
    {"432", "Win.ini Load"},              {"433", "Win.ini Run"},
};

// The machine keys by place, as their loader names them.
const char* MachineKeyName(int place) {
    switch (place) {
    case kMachineRun: return "Run";
    case kMachineRunOnce: return "RunOnce";
    case kMachineRunOnceEx: return "RunOnceEx";
    case kMachineRunServices: return "RunServices";
    default: return nullptr;
    }
}

int PlaceIn(const Labels& labels, const std::string& text) {
    for (int place = 0; place < kLabelledPlaces; ++place) {
        if (labels.names[place] == text) return place;
    }
    for (int place : {kMachineRun, kMachineRunOnce, kMachineRunOnceEx, kMachineRunServices}) {
        if (LoadFromText(labels, place) == text) return place;
    }
    return kUnknownPlace;
}

}  // namespace

Labels LabelsFrom(const lang::TextSource& texts) {
    Labels labels;
    labels.enabled = texts.Text("413", "Enabled");
    labels.disabled = texts.Text("423", "Disabled");
    labels.remove = texts.Text("424", "Remove");
    for (int place = 0; place < kLabelledPlaces; ++place)
        labels.names[place] = texts.Text(kLocationKeys[place].key, kLocationKeys[place].english);
    labels.registryWord = texts.Text("419", "Registry");
    labels.currentUser = texts.Text("415", "Current User");
    labels.allUsers = texts.Text("416", "All Users");
    labels.allUsersIni = texts.Text("416", "All users");
    labels.userLogsOn = texts.Text("418", "Current User logs On");
    labels.userLogsOnFolder = texts.Text("418", "Current User Logs On");
    labels.anyUserLogsOn = texts.Text("420", "Any User Logs On");
    labels.unknownPlace = texts.Text("434",
                                     "no language file knows this place any more, so it stays "
                                     "among the disabled entries");
    labels.changedBehind = texts.Text("438",
                                      "it was changed since the list was read, so it has been "
                                      "left as it is; the list now shows it as it is");
    labels.nothingToPutBack = texts.Text("439",
                                         "its file is not kept and no target is known, so there "
                                         "is nothing to put back");
    return labels;
}

std::vector<std::string> GetLocationNames(const lang::TextSource& texts) {
    const Labels labels = LabelsFrom(texts);
    return std::vector<std::string>(labels.names, labels.names + kLabelledPlaces);
}

std::string LoadFromText(const Labels& labels, int place) {
    if (const char* key = MachineKeyName(place))
        return labels.registryWord + "(Machine " + key + ")";
    if (place >= 0 && place < kLabelledPlaces) return labels.names[place];
    return std::string();
}

Status StatusOf(const Labels& labels, const std::string& text) {
    if (text == labels.enabled) return Status::Enabled;
    if (text == labels.disabled) return Status::Disabled;
    if (text == labels.remove) return Status::Remove;
    return Status::Other;
}

const std::string& StatusText(const Labels& labels, Status status) {
    static const std::string none;
    switch (status) {
    case Status::Enabled: return labels.enabled;
    case Status::Disabled: return labels.disabled;
    case Status::Remove: return labels.remove;
    default: return none;
    }
}

int LabelBook::PlaceOf(const std::string& loadFrom) const {
    int place = PlaceIn(current, loadFrom);
    for (size_t i = 0; place == kUnknownPlace && i < others.size(); ++i)
        place = PlaceIn(others[i], loadFrom);
    return place;
}

Status LabelBook::StatusAcross(const std::string& text) const {
    Status status = StatusOf(current, text);
    for (size_t i = 0; status == Status::Other && i < others.size(); ++i)
        status = StatusOf(others[i], text);
    return status;
}

}  // namespace startup
