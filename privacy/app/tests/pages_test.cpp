// The pages' pieces that reach the system: the event information dialogs
// as the user sees them, and the browser's real URL cache emptied of one
// site's files (cookies and history stay).
#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include <string>

#include "platform/ui/tests/ui_driver.h"
#include "privacy/app/events_page.h"
#include "privacy/app/res/events_page_res.h"
#include "privacy/app/url_cache_cleaner.h"
#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_classes.h"

namespace privacy {
namespace {

struct Shown {
    bool found = false;
    std::string url, command, before, after;
    bool hasBefore = false;
    // The answers to the labels' and the header edits' colour requests.
    bool labelSeeThrough = false, editsSeeThrough = false;
};

bool NullBrushFor(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    const HDC dc = GetDC(control);
    const LRESULT brush = SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(control));
    ReleaseDC(control, dc);
    return brush == reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

Shown ShowAndRead(const CEventRecord& event) {
    static const bool skin = LoadSkinBitmaps() && RegisterSkinWindowClasses();
    (void)skin;
    Shown shown;
    auto text = [](HWND dialog, int id) {
        char buffer[512] = "";
        GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
        return std::string(buffer);
    };
    uitest::Watchdog watchdog(10000);
    uitest::Steps steps({[&] {
        const HWND dialog = GetActiveWindow();
        if (dialog == nullptr || GetDlgItem(dialog, IDC_INFO_URL) == nullptr) return false;
        shown.found = true;
        shown.url = text(dialog, IDC_INFO_URL);
        shown.command = text(dialog, IDC_INFO_COMMAND);
        shown.hasBefore = GetDlgItem(dialog, IDC_INFO_BEFORE) != nullptr;
        shown.before = text(dialog, IDC_INFO_BEFORE);
        shown.after = text(dialog, IDC_INFO_AFTER);
        shown.labelSeeThrough = NullBrushFor(dialog, IDC_INFO_URL_LABEL) &&
                                NullBrushFor(dialog, IDC_INFO_COMMAND_LABEL);
        shown.editsSeeThrough = NullBrushFor(dialog, IDC_INFO_URL) || NullBrushFor(dialog, IDC_INFO_COMMAND);
        if (shown.hasBefore)
            shown.editsSeeThrough = shown.editsSeeThrough || NullBrushFor(dialog, IDC_INFO_BEFORE) ||
                                    NullBrushFor(dialog, IDC_INFO_AFTER);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return true;
    }});
    ShowEventInformation(nullptr, event);
    EXPECT_FALSE(watchdog.Fired());
    return shown;
}

TEST(EventInformation, BlockedUserInformationShowsBeforeAndAfterOthersOnlySiteAndRequest) {
    CEventRecord event;
    event.type = kEventUserInfoBlocked;
    event.host = "www.example.com";
    event.url = "GET http://www.example.com/ HTTP/1.0";
    event.before = "Cookie: id=42";
    event.after = "";
    Shown shown = ShowAndRead(event);
    ASSERT_TRUE(shown.found);
    EXPECT_EQ("www.example.com", shown.url);
    EXPECT_EQ(event.url, shown.command);
    EXPECT_TRUE(shown.hasBefore);
    EXPECT_EQ("Cookie: id=42", shown.before);
    // Scrolled text over a null brush would stay on the old text.
    EXPECT_TRUE(shown.labelSeeThrough);
    EXPECT_FALSE(shown.editsSeeThrough);

    event.type = kEventSiteBlocked;
    shown = ShowAndRead(event);
    ASSERT_TRUE(shown.found);
    EXPECT_EQ(event.url, shown.command);
    EXPECT_FALSE(shown.hasBefore);
    EXPECT_TRUE(shown.labelSeeThrough);
    EXPECT_FALSE(shown.editsSeeThrough);
}

// Puts an entry into the URL cache; cached files get a local file.
bool Seed(const std::string& url, DWORD type) {
    char file[MAX_PATH] = "";
    if (type == NORMAL_CACHE_ENTRY) {
        if (!CreateUrlCacheEntryA(url.c_str(), 0, "htm", file, 0)) return false;
        const HANDLE handle = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(handle, "cached", 6, &written, nullptr);
        CloseHandle(handle);
    }
    const FILETIME none = {};
    return CommitUrlCacheEntryA(url.c_str(), type == NORMAL_CACHE_ENTRY ? file : nullptr, none,
                                none, type, nullptr, 0, nullptr, nullptr) != FALSE;
}

bool Cached(const std::string& url) {
    DWORD size = 0;
    GetUrlCacheEntryInfoA(url.c_str(), nullptr, &size);
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

TEST(UrlCache, SiteFilesGoCookiesHistoryAndOtherSitesStay) {
    const std::string page = "http://blocked.example/index.htm";
    const std::string image = "http://img.example/blocked.example/a.gif";
    const std::string other = "http://kept.example/index.htm";
    const std::string cookie = "Cookie:user@blocked.example/";
    const std::string history = "Visited: user@http://blocked.example/index.htm";
    ASSERT_TRUE(Seed(page, NORMAL_CACHE_ENTRY));
    ASSERT_TRUE(Seed(image, NORMAL_CACHE_ENTRY));
    ASSERT_TRUE(Seed(other, NORMAL_CACHE_ENTRY));
    ASSERT_TRUE(Seed(cookie, COOKIE_CACHE_ENTRY));
    ASSERT_TRUE(Seed(history, URLHISTORY_CACHE_ENTRY));

    WinInetCacheCleaner cleaner;
    cleaner.DeleteSiteFiles("blocked.example");
    EXPECT_FALSE(Cached(page));
    EXPECT_FALSE(Cached(image));  // its URL names the site too
    EXPECT_TRUE(Cached(other));
    EXPECT_TRUE(Cached(cookie));
    EXPECT_TRUE(Cached(history));

    cleaner.DeleteAllFiles();
    EXPECT_FALSE(Cached(other));
    EXPECT_TRUE(Cached(cookie));
    EXPECT_TRUE(Cached(history));
    DeleteUrlCacheEntryA(cookie.c_str());
    DeleteUrlCacheEntryA(history.c_str());
}

}  // namespace
}  // namespace privacy
