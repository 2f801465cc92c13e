// The URL-cache layer and the Trace page on Wine's real cache (entries
// seeded with the cache's own commit call), and the ordering of sites and
// entries.
#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/tests/recording_prompt.h"
#include "privacy/app/res/trace_page_res.h"
#include "privacy/app/trace_page.h"
#include "privacy/cache/runnable_files.h"
#include "privacy/cache/url_cache.h"
#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_classes.h"

namespace privacy {
namespace {

// Every host these tests seed ends so, so entries other tests leave in the
// shared cache never count.
const char kDomain[] = "trace-test.example";

bool Ours(std::string url) {
    for (char& c : url) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return url.find(kDomain) != std::string::npos;
}

void RemoveOurEntries() {
    DeleteCacheEntries(nullptr, [](const INTERNET_CACHE_ENTRY_INFOA& e) { return Ours(e.lpszSourceUrlName); });
}

// A cache entry as the browser leaves one: with a local file of type
// `extension` unless it is a history entry; `headerBytes` of header text
// make the record large.
void Seed(const std::string& url, DWORD type, size_t headerBytes = 0, const char* extension = "txt") {
    char file[MAX_PATH] = "";
    if (!(type & URLHISTORY_CACHE_ENTRY)) {
        ASSERT_TRUE(CreateUrlCacheEntryA(url.c_str(), 0, extension, file, 0)) << url;
        HANDLE h = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        DWORD written = 0;
        WriteFile(h, "trace", 5, &written, nullptr);
        CloseHandle(h);
    }
    std::string header = headerBytes ? "X-Pad: " + std::string(headerBytes, 'p') + "\r\n\r\n" : "";
    const FILETIME zero = {};
    ASSERT_TRUE(CommitUrlCacheEntryA(url.c_str(), file[0] ? file : nullptr, zero, zero, type,
                                     header.empty() ? nullptr : reinterpret_cast<BYTE*>(&header[0]),
                                     static_cast<DWORD>(header.size()), nullptr, nullptr))
        << url << " error " << GetLastError();
}

class UrlCache : public ::testing::Test {
protected:
    void SetUp() override { RemoveOurEntries(); }
    void TearDown() override { RemoveOurEntries(); }

    // Our entries of a walk: 'c' cookies, 'h' history, else all.
    static std::set<std::string> Walk(char which) {
        std::set<std::string> urls;
        CUrlCacheEnum walk;
        auto* first = walk.FindFirst(which == 'c'   ? CUrlCacheEnum::kCookiePattern
                                     : which == 'h' ? CUrlCacheEnum::kVisitedPattern
                                                    : nullptr);
        for (auto* e = first; e != nullptr; e = walk.FindNext()) {
            if (Ours(e->lpszSourceUrlName)) urls.insert(e->lpszSourceUrlName);
        }
        return urls;
    }
};

const std::string kCookie = "Cookie:user@trace-test.example/";
const std::string kVisited = "Visited: user@http://www.trace-test.example/page.html";
const std::string kPage = "http://www.trace-test.example/index.html";
const std::string kImage = "http://WWW.Trace-Test.example/logo.gif";
const std::string kSecure = "https://secure.trace-test.example/account";
const std::string kLarge = "http://large.trace-test.example/big.html";

TEST_F(UrlCache, EachDeletionRoutineRemovesOnlyItsKind) {
    Seed(kCookie, COOKIE_CACHE_ENTRY);
    Seed(kVisited, URLHISTORY_CACHE_ENTRY);
    Seed(kPage, NORMAL_CACHE_ENTRY);
    ASSERT_EQ(std::set<std::string>({kCookie}), Walk('c'));
    ASSERT_EQ(std::set<std::string>({kVisited}), Walk('h'));

    DeleteTempInternetFiles();
    EXPECT_EQ(std::set<std::string>({kCookie, kVisited}), Walk('a'));
    DeleteCachedCookies();
    EXPECT_EQ(std::set<std::string>({kVisited}), Walk('a'));
    DeleteCachedHistory();
    EXPECT_TRUE(Walk('a').empty());
}

// The Trace page as a child of a plain window, over the real cache.
class TracePageHost {
public:
    TracePageHost() {
        static const bool skin = LoadSkinBitmaps() && RegisterSkinWindowClasses();
        (void)skin;
        host_ = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr,
                                nullptr, nullptr, nullptr);
        page_.Create(host_);
    }
    ~TracePageHost() {
        page_.Destroy();
        DestroyWindow(host_);
    }

    HWND List(int id) const { return GetDlgItem(page_.Handle(), id); }
    void Command(int id) { SendMessageA(page_.Handle(), WM_COMMAND, id, 0); }
    // Our rows of a list, column `column` of each.
    std::vector<std::string> Rows(int id, int column) const {
        std::vector<std::string> rows;
        const int count = ListView_GetItemCount(List(id));
        for (int row = 0; row < count; ++row) {
            char text[512] = "";
            ListView_GetItemText(List(id), row, column, text, sizeof text);
            if (Ours(text) || id == IDC_TRACE_ENTRIES) rows.push_back(text);
        }
        return rows;
    }
    void Select(int id, const std::string& text) {
        LVFINDINFOA find = {};
        find.flags = LVFI_STRING;
        find.psz = text.c_str();
        const int row = static_cast<int>(SendMessageA(List(id), LVM_FINDITEMA, static_cast<WPARAM>(-1),
                                                      reinterpret_cast<LPARAM>(&find)));
        ASSERT_GE(row, 0) << text;
        ListView_SetItemState(List(id), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    ui::testing::RecordingPrompt prompt;
    std::vector<std::string> opened;

private:
    HWND host_ = nullptr;
    CTracePage page_{prompt, [this](HWND, const std::string& file) { opened.push_back(file); }};
};

TEST_F(UrlCache, TracePageGroupsEntriesBySiteAndDeleteAllRebuildsTheLists) {
    Seed(kCookie, COOKIE_CACHE_ENTRY);
    Seed(kVisited, URLHISTORY_CACHE_ENTRY);
    Seed(kPage, NORMAL_CACHE_ENTRY);
    Seed(kImage, NORMAL_CACHE_ENTRY);
    Seed(kSecure, NORMAL_CACHE_ENTRY);
    Seed(kLarge, NORMAL_CACHE_ENTRY, 6000);  // a record beyond the first buffer
    TracePageHost page;
    // No https row; the history entry and both files (whatever their case)
    // under one site, the cookie's domain under another.
    EXPECT_EQ(std::vector<std::string>({"large.trace-test.example", "trace-test.example", "www.trace-test.example"}),
              page.Rows(IDC_TRACE_SITES, 0));

    page.Select(IDC_TRACE_SITES, "www.trace-test.example");
    EXPECT_EQ(std::vector<std::string>({"History", "File", "File"}), page.Rows(IDC_TRACE_ENTRIES, 0));
    EXPECT_EQ(std::vector<std::string>({kVisited, kPage, kImage}), page.Rows(IDC_TRACE_ENTRIES, 1));

    // Delete takes the chosen entry from the cache and its row from the list.
    page.Select(IDC_TRACE_ENTRIES, "History");
    page.Command(ID_TRACE_DELETE);
    EXPECT_EQ(std::vector<std::string>({kPage, kImage}), page.Rows(IDC_TRACE_ENTRIES, 1));
    EXPECT_EQ(std::set<std::string>({kCookie, kPage, kImage, kSecure, kLarge}), Walk('a'));

    page.Command(ID_TRACE_DELETE_ALL);
    EXPECT_EQ(std::set<std::string>({kCookie, kSecure, kLarge}), Walk('a'));
    EXPECT_EQ(std::vector<std::string>({"large.trace-test.example", "trace-test.example"}),
              page.Rows(IDC_TRACE_SITES, 0));
    EXPECT_TRUE(page.Rows(IDC_TRACE_ENTRIES, 0).empty());
}

// A site names what it puts in the cache: Open runs none of it.
TEST_F(UrlCache, OpenRefusesACachedScriptAndOpensOtherFiles) {
    Seed("http://run.trace-test.example/run.bat", NORMAL_CACHE_ENTRY, 0, "bat");
    Seed(kPage, NORMAL_CACHE_ENTRY);
    TracePageHost page;
    for (const char* site : {"run.trace-test.example", "www.trace-test.example"}) {
        page.Select(IDC_TRACE_SITES, site);
        page.Select(IDC_TRACE_ENTRIES, "File");
        page.Command(ID_TRACE_OPEN);
    }
    EXPECT_EQ(1u, page.opened.size());
    ASSERT_EQ(1u, page.prompt.texts.size());
    EXPECT_EQ(0u, page.prompt.texts[0].find("This file from the browser's cache is not opened"));

    for (const char* runs : {"C:\\cache\\RUN[1].BAT", "x.exe. .", "a.lnk", "setup.INF", "x.hta",
                             "x.{3050F4D8-98B5-11CF-BB82-00AA00BDCE0B}"})
        EXPECT_TRUE(OpeningRunsCode(runs)) << runs;
    for (const char* opens : {"page.htm", "logo.gif", "C:\\a.exe\\readme", "bat", "notes.txt"})
        EXPECT_FALSE(OpeningRunsCode(opens)) << opens;
}

TEST(CacheEntryBuffer, GrowsToTheSizeAskedForPassesOverWhatItCannotKeepButNeverSpins) {
    CacheEntryBuffer buffer;
    int calls = 0;
    // Asks once for 9000 bytes, then reads.
    auto* entry = buffer.Fill(4096, [&](INTERNET_CACHE_ENTRY_INFOA*, DWORD* size) {
        ++calls;
        if (*size >= 9000) return true;
        *size = 9000;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return false;
    });
    EXPECT_NE(nullptr, entry);
    EXPECT_EQ(2, calls);
    EXPECT_EQ(9000u, buffer.size());

    // A walk over records of these sizes, each marked with its position: the
    // one too large to keep is passed over and the buffer never holds it.
    const std::vector<DWORD> records = {300, CacheEntryBuffer::kLargest + 1, 5000};
    size_t at = 0;
    auto walk = [&](INTERNET_CACHE_ENTRY_INFOA* entry, DWORD* size) {
        const bool fits = at < records.size() && *size >= records[at];
        SetLastError(at == records.size() ? ERROR_NO_MORE_ITEMS : ERROR_INSUFFICIENT_BUFFER);
        if (fits) entry->dwStructSize = static_cast<DWORD>(at++);
        if (!fits && at < records.size()) *size = records[at];
        return fits;
    };
    std::vector<DWORD> read;
    for (auto* e = buffer.Fill(4096, walk); e != nullptr; e = buffer.Fill(buffer.size(), walk))
        read.push_back(e->dwStructSize);
    EXPECT_EQ(std::vector<DWORD>({0, 2}), read);
    EXPECT_EQ(9000u, buffer.size());

    // A reader that always wants a little more, or no more than it had.
    for (DWORD extra : {1u, 0u}) {
        calls = 0;
        EXPECT_EQ(nullptr, buffer.Fill(4096, [&](INTERNET_CACHE_ENTRY_INFOA*, DWORD* size) {
            ++calls;
            *size += extra;
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return false;
        }));
        EXPECT_LE(calls, CacheEntryBuffer::kMostGrowths + 1);
    }
}

TEST(TraceList, SitesAndEntriesSortIgnoringCase) {
    CTraceList list;
    EXPECT_FALSE(list.Add(URLHISTORY_CACHE_ENTRY, "Visited: u@https://b.example/", ""));
    EXPECT_FALSE(list.Add(COOKIE_CACHE_ENTRY, "Cookie:nobody", "c.txt"));
    list.Add(NORMAL_CACHE_ENTRY, "http://b.example/Zeta", "z.htm");
    list.Add(NORMAL_CACHE_ENTRY, "http://B.example/alpha", "a.htm");
    list.Add(URLHISTORY_CACHE_ENTRY, "Visited: u@http://b.example/zz", "ignored");
    list.Add(COOKIE_CACHE_ENTRY, "Cookie:u@a.example/", "c.txt");
    list.Add(COOKIE_CACHE_ENTRY, "Cookie:u@C.example/", "d.txt");

    std::vector<std::string> names;
    for (int s : list.SitesByName()) names.push_back(list.sites()[s].name);
    EXPECT_EQ(std::vector<std::string>({"a.example", "b.example", "C.example"}), names);

    const int b = list.SitesByName()[1];
    auto urls = [&](int column) {
        std::vector<std::string> out;
        for (int e : list.EntriesOf(b, column)) out.push_back(list.entries()[e].url);
        return out;
    };
    EXPECT_EQ(std::vector<std::string>({"Visited: u@http://b.example/zz", "http://B.example/alpha",
                                        "http://b.example/Zeta"}),
              urls(0));
    EXPECT_EQ(std::vector<std::string>({"http://B.example/alpha", "http://b.example/Zeta",
                                        "Visited: u@http://b.example/zz"}),
              urls(1));
    EXPECT_EQ(std::vector<std::string>({"http://b.example/Zeta", "http://B.example/alpha",
                                        "Visited: u@http://b.example/zz"}),
              urls(5));
    EXPECT_TRUE(list.entries()[list.sites()[b].entries[2]].localFile.empty());
}

}  // namespace
}  // namespace privacy
