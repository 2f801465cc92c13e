#include "shredder/drive_wipe_observer.h"

#include <windows.h>

#include <algorithm>

#include "shredder/engine/file_target.h"

namespace shredder {

namespace {

uint32_t Clamp32(uint64_t value) { return static_cast<uint32_t>(std::min<uint64_t>(value, 0xFFFFFFFFu)); }

unsigned BoxType(MessageStyle style) {
    switch (style) {
    case MessageStyle::Information: return MB_OK | MB_ICONINFORMATION;
    case MessageStyle::StopYesNo: return MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2;
    case MessageStyle::Error: break;
    }
    return MB_OK | MB_ICONERROR;
}

}  // namespace

std::string EngineDriveObserver::Text(int key, const char* english) {
    return texts_.Text(std::to_string(key).c_str(), english);
}

Answer EngineDriveObserver::Report(const DriveMessage& message, const std::string& argument) {
    const std::string text = FillIn(Text(message.key, message.english), "%s", argument);
    const unsigned type = BoxType(message.style);
    const int pressed = message.shownWhenSilent ? messenger_.Ask(text, type) : messenger_.Tell(text, type);
    if (message.style != MessageStyle::StopYesNo) return Answer::Ok;
    return pressed == IDYES ? Answer::Yes : Answer::No;
}

void EngineDriveObserver::ReportSystemError(uint32_t code) {
    messenger_.TellTitled(SystemErrorText(code), "Error", MB_OK | MB_ICONERROR);
}

bool EngineDriveObserver::OpenProgress(const std::string& title, const std::string& itemLine,
                                       uint64_t overallRange) {
    engine_.SetProgressTotal(overallRange);
    if (!engine_.CreateProgressDialog()) return false;
    progress_.SetTitle(title);
    progress_.SetFileLine(itemLine);
    progress_.SetTotalRange(Clamp32(overallRange));
    progress_.EnableCancel(true);
    return true;
}

void EngineDriveObserver::BeginPass(const std::string& passLine, uint64_t itemRange) {
    progress_.SetPassLine(passLine);
    progress_.SetItemRange(Clamp32(itemRange));
    progress_.SetItemPos(0);
}

void EngineDriveObserver::BlockWritten(uint64_t itemPosition) {
    progress_.SetItemPos(Clamp32(itemPosition));
    progress_.StepTotal();
}

bool EngineDriveObserver::ShouldAbort() {
    if (progress_.ShouldAbort()) engine_.Abort() = true;
    return engine_.Abort();
}

}  // namespace shredder
