#include "privacy/look/tray_icon.h"

#include <algorithm>
#include <utility>

#include "platform/ui/tray_icon.h"
#include "privacy/look/look_messages.h"
#include "privacy/look/tray_notify_wnd.h"

namespace privacy {
namespace {

constexpr char kTrayText[] = "Velmora Veilstride";
constexpr char kBalloonText[] = "Welcome to Velmora Veilstride...";

struct ShellCallback {
    UINT message;
    TrayCallback callback;
};

std::vector<ShellCallback>& Callbacks() {
    static std::vector<ShellCallback> callbacks;
    return callbacks;
}

// Shells before version 5 know only the short record and no balloon.
bool ShellHasBalloons() { return ui::TrayRecordSize() == NOTIFYICONDATAA_V2_SIZE; }

class RealShell : public TrayShell {
public:
    bool Notify(DWORD action, NOTIFYICONDATAA& data) override {
        return Shell_NotifyIconA(action, &data) != FALSE;
    }
};

// A 32 x 32 icon that shows nothing: mask all set, image all clear.
HICON CreateBlankIcon() {
    BYTE andBits[32 * 4];
    BYTE xorBits[32 * 4];
    std::fill(std::begin(andBits), std::end(andBits), BYTE(0xFF));
    std::fill(std::begin(xorBits), std::end(xorBits), BYTE(0));
    return CreateIcon(nullptr, 32, 32, 1, 1, andBits, xorBits);
}

}  // namespace

TrayShell& SystemTrayShell() {
    static RealShell shell;
    return shell;
}

CTrayIcon::CTrayIcon(HINSTANCE instance, int rows, int framesPerRow, HWND window, TrayShell* shell)
    : instance_(instance),
      framesPerRow_(framesPerRow == 1 ? 2 : std::max(framesPerRow, 1)),
      window_(window),
      shell_(shell ? shell : &SystemTrayShell()) {
    rows_.resize(std::max(rows, 1));
    for (Row& row : rows_) row.frames.resize(framesPerRow_);
    if (!window_) {
        notify_ = std::make_unique<CTrayNotifyWnd>(instance, this);
        window_ = notify_->Handle();
    }
}

CTrayIcon::~CTrayIcon() {
    Hide();
    for (Row& row : rows_) {
        for (Frame& frame : row.frames) SetFrameIcon(frame, nullptr, false);
    }
    if (blank_) DestroyIcon(blank_);
}

CTrayIcon::Row* CTrayIcon::RowAt(int row) {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? &rows_[row] : nullptr;
}

HICON CTrayIcon::BlankIcon() {
    if (!blank_) blank_ = CreateBlankIcon();
    return blank_;
}

void CTrayIcon::SetFrameIcon(Frame& frame, HICON icon, bool owned) {
    if (frame.owned && frame.icon) DestroyIcon(frame.icon);
    frame.icon = icon;
    frame.owned = owned;
}

void CTrayIcon::SetIcon(int row, int frame, int iconId, UINT delay) {
    Row* r = RowAt(row);
    if (!r || frame < 0 || frame >= framesPerRow_) return;
    Frame& f = r->frames[frame];
    if (iconId == -1) {
        SetFrameIcon(f, BlankIcon(), false);
    } else {
        HICON icon = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0));
        SetFrameIcon(f, icon, icon != nullptr);
    }
    f.delay = delay;
    r->last = std::max(r->last, frame);
}

int CTrayIcon::CurrentFrame() const {
    return currentRow_ < static_cast<int>(rows_.size()) ? rows_[currentRow_].current : 0;
}

HICON CTrayIcon::CurrentIcon() const {
    if (currentRow_ >= static_cast<int>(rows_.size())) return nullptr;
    const Row& row = rows_[currentRow_];
    return row.frames[row.current].icon;
}

bool CTrayIcon::Send(DWORD action, bool balloon) {
    NOTIFYICONDATAA data = {};
    const bool full = ShellHasBalloons();
    data.cbSize = full ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = CurrentIcon();
    lstrcpynA(data.szTip, kTrayText, sizeof(data.szTip));
    if (balloon && full) {
        data.uFlags |= NIF_INFO;
        lstrcpynA(data.szInfoTitle, kTrayText, sizeof(data.szInfoTitle));
        lstrcpynA(data.szInfo, kBalloonText, sizeof(data.szInfo));
    }
    return shell_->Notify(action, data);
}

bool CTrayIcon::Show(int row, int mode) {
    if (row == -1) row = currentRow_;
    Row* r = RowAt(row);
    if (!r) return false;
    currentRow_ = row;
    if (mode != kKeep) {
        r->mode = mode;
        if (mode == kBlink) {
            SetFrameIcon(r->frames[1], BlankIcon(), false);
            r->frames[1].delay = r->frames[0].delay;
            r->last = 1;
            r->current = std::min(r->current, 1);
        } else if (mode != kAnimate) {
            // A still icon is the row's first frame, never a blink's blank.
            StopAnimation();
            r->current = 0;
        }
    }
    bool done;
    if (r->mode == kHidden) {
        StopAnimation();
        done = !visible_ || Send(NIM_DELETE, false);
        visible_ = false;
        wanted_ = false;
        return done;
    }
    wanted_ = true;
    // The welcome balloon comes with the icon's arrival only.
    done = visible_ ? Send(NIM_MODIFY, false) : Send(NIM_ADD, true);
    visible_ = done || visible_;
    if (r->mode == kBlink || r->mode == kAnimate) StartAnimation();
    return done;
}

bool CTrayIcon::Hide() {
    wanted_ = false;
    if (!visible_) return false;
    StopAnimation();
    visible_ = false;
    return Send(NIM_DELETE, false);
}

void CTrayIcon::StartAnimation() {
    if (window_) SetTimer(window_, kTrayAnimationTimer, rows_[currentRow_].frames[rows_[currentRow_].current].delay, nullptr);
}

void CTrayIcon::StopAnimation() {
    if (window_) KillTimer(window_, kTrayAnimationTimer);
}

void CTrayIcon::OnAnimationTimer(UINT_PTR id) {
    if (id != kTrayAnimationTimer) return;
    StopAnimation();
    Row& row = rows_[currentRow_];
    ++row.current;
    if (row.current > row.last || row.current >= framesPerRow_) row.current = 0;
    Show(-1, kKeep);
}

// Also adds an icon the shell refused because it was not running yet.
void CTrayIcon::OnTaskbarCreated() {
    if (!wanted_) return;
    visible_ = Send(NIM_ADD, false);
}

void CTrayIcon::AddCallback(UINT mouseMessage, TrayCallback callback) {
    Callbacks().push_back({mouseMessage, std::move(callback)});
}

void CTrayIcon::ClearCallbacks() { Callbacks().clear(); }

bool CTrayIcon::RunCallback(UINT iconId, UINT mouseMessage) {
    for (const ShellCallback& entry : Callbacks()) {
        if (entry.message != mouseMessage) continue;
        TrayCallback callback = entry.callback;  // the list may grow while it runs
        if (callback) callback(iconId, mouseMessage);
        return true;
    }
    return false;
}

}  // namespace privacy
