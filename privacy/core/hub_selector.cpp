#include "privacy/core/hub_selector.h"

#include "privacy/core/text_routines.h"

namespace privacy {

const char kHubListFile[] = "Block\\AnonPS.txt";

namespace {

const char kBlanks[] = " \t\r\n";
const char kUtf8Mark[] = "\xEF\xBB\xBF";  // an editor's byte-order mark

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
}

}  // namespace

bool ParseHubLine(const std::string& text, HubAddress& hub) {
    std::string line = text;
    if (line.compare(0, sizeof kUtf8Mark - 1, kUtf8Mark) == 0) line.erase(0, sizeof kUtf8Mark - 1);
    const size_t colon = line.rfind(':');
    if (colon == std::string::npos) return false;
    const std::string host = Trimmed(line.substr(0, colon));
    const std::string port = Trimmed(line.substr(colon + 1));
    if (host.empty() || port.empty() || port[0] < '0' || port[0] > '9') return false;
    const int value = StringToInt(port);
    if (value < 1 || value > 65535) return false;
    hub.host = host;
    hub.port = value;
    return true;
}

HubSelector::HubSelector(ListReader list, Prober probe, OnlineCheck online)
    : list_(std::move(list)), probe_(std::move(probe)), online_(std::move(online)) {}

bool HubSelector::SelectHub() {
    size_t seen = 0;
    {
        sync::Lock hold(lock_);
        seen = selections_;
    }
    return SelectAfter(seen);
}

bool HubSelector::AvailableHub(HubAddress& hub) {
    size_t seen = 0;
    {
        sync::Lock hold(lock_);
        if (available_) {
            hub = hub_;
            return true;
        }
        seen = selections_;
    }
    return SelectAfter(seen) && Current(hub);
}

bool HubSelector::SelectAfter(size_t seen) {
    sync::Lock one(selecting_);
    size_t start = 0;
    {
        sync::Lock hold(lock_);
        // A selection that ended while this one waited is the answer: a
        // second one would only move the hub on and keep every waiter
        // waiting for its probes.
        if (selections_ != seen) return available_;
        start = cursor_;
    }
    const bool found = RunSelection(start);
    sync::Lock hold(lock_);
    ++selections_;
    if (!found) available_ = false;
    return found;
}

bool HubSelector::RunSelection(size_t start) {
    if (!online_()) return false;
    const std::vector<std::string> lines = list_();
    const size_t n = lines.size();
    if (start >= n) start = 0;
    for (size_t tried = 0; tried < n; ++tried) {
        const size_t at = (start + tried) % n;
        HubAddress hub;
        if (!ParseHubLine(lines[at], hub) || !probe_(hub)) continue;
        sync::Lock hold(lock_);
        hub_ = hub;
        available_ = true;
        cursor_ = (at + 1) % n;
        return true;
    }
    return false;
}

bool HubSelector::Current(HubAddress& hub) const {
    sync::Lock hold(lock_);
    if (!available_) return false;
    hub = hub_;
    return true;
}

void HubSelector::MarkFailed(const HubAddress& failed) {
    sync::Lock hold(lock_);
    if (available_ && hub_.host == failed.host && hub_.port == failed.port) available_ = false;
}

}  // namespace privacy
