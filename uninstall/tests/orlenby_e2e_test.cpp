// Orlenby.exe run for real: its message boxes are answered and recorded by
// a watcher thread, and a window titled as the popup blocker's receives the
// uninstall notice. The run finds no backups, so the prefix's HOSTS and zone
// policies stay untouched; the product key it reads is this test's own.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "common/files/whole_file.h"
#include "common/suite/blinkward.h"
#include "platform/sync/sync.h"
#include "platform/testkit/scratch.h"

namespace {

namespace bw = suite::blinkward;

UINT g_notices = 0;

LRESULT CALLBACK NoticeProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == bw::WM_UNINSTALL_NOTICE) ++g_notices;
    return DefWindowProcA(wnd, msg, wp, lp);
}

std::string Orlenby() {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    path = path.substr(0, path.find_last_of('\\'));  // ...\tests
    path = path.substr(0, path.find_last_of('\\'));  // the build tree
    return path + "\\bin\\Blinkward\\Orlenby.exe";
}

struct Box {
    std::string caption;
    std::string text;
};

// Answers every dialog box of process `pid` with OK until `done` is set.
class BoxAnswerer {
public:
    void Watch(DWORD pid) {
        pid_ = pid;
        thread_.Start([this] {
            while (!done_.Wait(50)) EnumWindows(Answer, reinterpret_cast<LPARAM>(this));
        });
    }
    std::vector<Box> Stop() {
        done_.Set();
        thread_.Join(5000);
        return boxes_;
    }

private:
    static BOOL CALLBACK Answer(HWND wnd, LPARAM self) {
        auto* me = reinterpret_cast<BoxAnswerer*>(self);
        DWORD pid = 0;
        GetWindowThreadProcessId(wnd, &pid);
        char cls[32] = "";
        GetClassNameA(wnd, cls, sizeof cls);
        if (pid != me->pid_ || std::string(cls) != "#32770" || !IsWindowVisible(wnd)) return TRUE;
        if (me->answered_.size() && me->answered_.back() == wnd) return TRUE;
        char caption[256] = "", text[2048] = "";
        GetWindowTextA(wnd, caption, sizeof caption);
        GetDlgItemTextA(wnd, 0xFFFF, text, sizeof text);
        me->boxes_.push_back({caption, text});
        me->answered_.push_back(wnd);
        PostMessageA(wnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }

    DWORD pid_ = 0;
    sync::Event done_;
    sync::Thread thread_;
    std::vector<Box> boxes_;
    std::vector<HWND> answered_;
};

class OrlenbyRun : public ::testing::Test {
protected:
    OrlenbyRun() {
        title_ = "Orlenby e2e " + std::to_string(GetCurrentProcessId());
        dir_.write("Language\\Test.ini", "[VelmoraBlinkward]\r\n9999=" + title_ +
                                             "\r\n99990=Test caption\r\n2257=Second#launch\r\n");
    }
    ~OrlenbyRun() override {
        SHDeleteKeyA(HKEY_CURRENT_USER, bw::kProductKey);
        if (notice_) DestroyWindow(notice_);
    }

    HWND MakeNoticeWindow() {
        WNDCLASSA cls = {};
        cls.lpfnWndProc = NoticeProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "OrlenbyNoticeTest";
        RegisterClassA(&cls);
        notice_ = CreateWindowExA(WS_EX_TOOLWINDOW, cls.lpszClassName, title_.c_str(), 0, 0, 0, 0,
                                  0, nullptr, nullptr, cls.hInstance, nullptr);
        return notice_;
    }

    testkit::ScratchDir dir_{"orlenby-e2e"};
    std::string title_;
    HWND notice_ = nullptr;
};

TEST_F(OrlenbyRun, AnswersItsBoxesAndNotifiesTheBlockerWindow) {
    ASSERT_FALSE(testkit::RegValueExists(HKEY_CURRENT_USER, bw::kProductKey, "Path"))
        << "the prefix already holds a product key";
    testkit::SetRegString(HKEY_CURRENT_USER, bw::kProductKey, "Path", dir_.path());
    testkit::SetRegString(HKEY_CURRENT_USER, bw::kProductKey, "Language", "Test");
    testkit::SetRegDword(HKEY_CURRENT_USER, bw::kProxySettingKey, bw::kNetscapeFlag, 1);
    ASSERT_NE(nullptr, MakeNoticeWindow());
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string hostsPath = std::string(windows) + "\\system32\\drivers\\etc\\hosts";
    std::string hostsBefore, hostsAfter;
    const bool hostsThere = files::ReadWholeFile(hostsPath, hostsBefore);

    std::string line = "\"" + Orlenby() + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process))
        << Orlenby();
    BoxAnswerer answerer;
    answerer.Watch(process.dwProcessId);
    const DWORD start = GetTickCount();
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 500, QS_ALLINPUT) !=
               WAIT_OBJECT_0 &&
           GetTickCount() - start < 60000) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const std::vector<Box> boxes = answerer.Stop();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);

    EXPECT_EQ(0u, code);
    EXPECT_EQ(1u, g_notices);
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_EQ("Test caption", boxes.front().caption);
    EXPECT_NE(std::string::npos, boxes.front().text.find("ActiveX restore settings file"));
    EXPECT_EQ("Reset Netscape Proxy Settings", boxes.back().caption);
    EXPECT_NE(std::string::npos, boxes.back().text.find("Second"));
    EXPECT_NE(std::string::npos, boxes.back().text.find("launch"));
    EXPECT_EQ(std::string::npos, boxes.back().text.find('#'));
    if (hostsThere) {
        ASSERT_TRUE(files::ReadWholeFile(hostsPath, hostsAfter));
        EXPECT_EQ(hostsBefore, hostsAfter);
    }
}

}  // namespace
