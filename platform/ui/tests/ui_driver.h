#pragma once
// Drives windows from inside their modal loops: steps run one per timer
// tick on this thread, and a watchdog ends every dialog of the thread when a
// test takes too long, so no test can hang.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace uitest {

// A step answers true when done; false runs it again on the next tick.
using Step = std::function<bool()>;

class Steps {
public:
    explicit Steps(std::vector<Step> steps, UINT interval = 20);
    ~Steps();
    bool Done() const { return next_ >= steps_.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::vector<Step> steps_;
    size_t next_ = 0;
    UINT_PTR timer_;
};

class Watchdog {
public:
    explicit Watchdog(UINT milliseconds = 5000);
    ~Watchdog();
    bool Fired() const;

private:
    UINT_PTR timer_;
};

// Dispatches this thread's messages for the given time.
void Pump(DWORD milliseconds);
// The open message box of this thread, or nullptr; its text into text.
HWND FindMessageBox(std::string* text = nullptr);
// Presses a button of the open message box; false when none is open.
bool AnswerMessageBox(int button, std::string* text = nullptr);

}  // namespace uitest
