#include "common/browser/message_sink.h"

#include <windows.h>

namespace browser {

void MessageBoxSink::ShowError(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), caption_.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace browser
