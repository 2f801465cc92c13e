#include "privacy/look/mouse_tracking.h"

namespace privacy {
namespace {

using TrackFn = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

TrackFn FindTracker() {
    if (HMODULE user = GetModuleHandleA("user32.dll")) {
        if (FARPROC fn = GetProcAddress(user, "TrackMouseEvent")) return reinterpret_cast<TrackFn>(reinterpret_cast<void*>(fn));
    }
    if (HMODULE controls = GetModuleHandleA("comctl32.dll")) {
        if (FARPROC fn = GetProcAddress(controls, "_TrackMouseEvent")) return reinterpret_cast<TrackFn>(reinterpret_cast<void*>(fn));
    }
    return nullptr;
}

}  // namespace

bool TrackMouseLeaveAndHover(HWND hwnd) {
    static const TrackFn track = FindTracker();
    if (!track) return false;
    TRACKMOUSEEVENT event = {};
    event.cbSize = sizeof(event);
    event.dwFlags = TME_LEAVE | TME_HOVER;
    event.hwndTrack = hwnd;
    event.dwHoverTime = HOVER_DEFAULT;
    return track(&event) != FALSE;
}

}  // namespace privacy
