#include "popup/title_scan.h"

#include <cstdlib>

namespace popup {

const char kPopupMarker[] = "Velmora Blinkward.com Catch Another Popup";

bool CutPopupMarker(std::string& title) {
    const std::string::size_type at = title.find(kPopupMarker);
    if (at == std::string::npos) return false;
    title.erase(at, sizeof(kPopupMarker) - 1);
    return true;
}

std::string NextCount(const std::string& count) {
    const unsigned long long value = std::strtoull(count.c_str(), nullptr, 10);
    return std::to_string(value + 1);
}

namespace {

struct ScanState {
    HWND found = nullptr;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM data) {
    char buffer[260] = {};
    GetWindowTextA(window, buffer, sizeof(buffer));
    std::string title = buffer;
    if (!CutPopupMarker(title)) return TRUE;
    SetWindowTextA(window, title.c_str());
    reinterpret_cast<ScanState*>(data)->found = window;
    return FALSE;
}

}  // namespace

HWND CTitleScan::Tick() const {
    ScanState state;
    enumerate_(VisitWindow, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

}  // namespace popup
