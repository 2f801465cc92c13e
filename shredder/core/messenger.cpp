#include "shredder/core/messenger.h"

namespace shredder {

int Messenger::Tell(const std::string& text, unsigned type) {
    if (!silent_) return prompt_.Show(text, caption_, type);
    lastLogged_ = text;
    log_.WriteLog(text);
    return IDOK;
}

int Messenger::Ask(const std::string& text, unsigned type) { return prompt_.Show(text, caption_, type); }

int Messenger::AskTitled(const std::string& text, const std::string& title, unsigned type) {
    return prompt_.Show(text, title, type);
}

int Messenger::TellTitled(const std::string& text, const std::string& title, unsigned type) {
    if (!silent_) return prompt_.Show(text, title, type);
    lastLogged_ = text;
    log_.WriteLog(text);
    return IDOK;
}

void Messenger::WriteSuccessIfQuiet() {
    if (!silent_ || !lastLogged_.empty()) return;
    lastLogged_ = "Success";
    log_.WriteLog(lastLogged_);
}

std::string FillIn(const std::string& text, const char* mark, const std::string& value) {
    std::string result = text;
    size_t at = result.find(mark);
    if (at != std::string::npos) result.replace(at, std::char_traits<char>::length(mark), value);
    return result;
}

}  // namespace shredder
