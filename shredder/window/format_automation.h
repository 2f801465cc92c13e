#pragma once
// Presses the buttons of the platform's Format dialog after a whole-drive
// wipe: timer 10 waits for the dialog titled for the drive, clicks "&Start"
// and ticks box 28674, then timer 11 clicks the "OK" that follows. The
// timers belong to the owner window and end when the format call returns,
// so a Format dialog opened later by the user is never touched.
#include <windows.h>

#include <string>

namespace shredder {

constexpr UINT_PTR kFormatStartTimerId = 10;
constexpr UINT_PTR kFormatOkTimerId = 11;
constexpr UINT kFormatTickMs = 200;
constexpr int kFormatQuickBox = 28674;

enum class FormatWindows { Xp, Win2000OrNt4, Other };

// The Format dialog's title for a drive shown as "Label (C:)": "Format
// Label (C:)" on XP, "Format C:\" on 2000 and NT 4, empty elsewhere (the
// title there is unknown).
std::string FormatDialogTitle(FormatWindows windows, const std::string& displayName);
FormatWindows CurrentFormatWindows();

// Finds a top-level window by its exact title; null when there is none.
class WindowFinder {
public:
    virtual ~WindowFinder() = default;
    virtual HWND FindTopLevel(const std::string& title) = 0;
};

class TopLevelWindowFinder : public WindowFinder {
public:
    HWND FindTopLevel(const std::string& title) override;
};

class FormatAutomation {
public:
    explicit FormatAutomation(WindowFinder& finder) : finder_(finder) {}

    // Starts looking for the dialog titled `title`; an empty title starts
    // nothing.
    void Start(HWND owner, const std::string& title);
    // Ends both timers.
    void Stop();
    // False for timers that are not the automation's.
    bool OnTimer(UINT_PTR id);

private:
    WindowFinder& finder_;
    HWND owner_ = nullptr;
    std::string title_;
};

}  // namespace shredder
