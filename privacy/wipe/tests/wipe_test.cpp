// The Wipe page's six kinds on a scratch profile tree and a scratch
// registry: what each deletes, the fixed order, and the refusal of a folder
// that is not known; and the page's boxes against the ticks it keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/testkit/scratch.h"
#include "privacy/app/res/wipe_page_res.h"
#include "privacy/app/wipe_page.h"
#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_classes.h"
#include "privacy/wipe/system_wipe.h"

namespace privacy {
namespace {

const char kExplorer[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const char kBrowser[] = "Software\\Microsoft\\Internet Explorer";

// The real folder deletion, writing what it erased to a journal.
class JournalEraser : public IFolderEraser {
public:
    JournalEraser(const std::string& base, std::vector<std::string>& journal)
        : base_(base), journal_(journal) {}
    void EraseContents(const std::string& folder) override {
        journal_.push_back("erase " + folder.substr(base_.size() + 1));
        real_.EraseContents(folder);
    }

private:
    std::string base_;
    std::vector<std::string>& journal_;
    SystemFolderEraser real_;
};

class JournalCache : public ICacheEraser {
public:
    explicit JournalCache(std::vector<std::string>& journal) : journal_(journal) {}
    void DeleteCookies() override { journal_.push_back("cache cookies"); }
    void DeleteTempFiles() override { journal_.push_back("cache files"); }
    void DeleteHistory() override { journal_.push_back("cache history"); }

private:
    std::vector<std::string>& journal_;
};

class JournalBin : public IRecycleBin {
public:
    explicit JournalBin(std::vector<std::string>& journal) : journal_(journal) {}
    bool Empty() override {
        journal_.push_back("bin");
        return available;
    }
    bool available = true;

private:
    std::vector<std::string>& journal_;
};

// Every file the profile tree starts with; each kind owns some of them.
const std::vector<std::string> kFiles = {
    "Cookies\\user@site.txt",       "Recent\\letter.lnk",
    "Local Settings\\History\\History.IE5\\index.dat", "Local Settings\\History\\day.dat",
    "Application Data\\Microsoft\\Office\\Recent\\report.lnk",
    "Desktop\\keep.txt",            "Local Settings\\Temp\\keep.tmp",
    "Application Data\\Microsoft\\Office\\keep.dat"};

// A fresh profile tree and registry, the tools over them and a journal of
// what the tools were asked to do.
class Profile {
public:
    Profile() : dir_("wipe_kinds"), registry_("wipe_kinds") {
        for (const auto& f : kFiles) dir_.write(f, "trace");
        const std::string explorer = kExplorer, browser = kBrowser;
        testkit::SetRegString(HKEY_CURRENT_USER, explorer + "\\RecentDocs\\.txt", "0", "a");
        testkit::SetRegString(HKEY_CURRENT_USER, explorer + "\\RecentDocs", "MRUList", "a");
        testkit::SetRegString(HKEY_CURRENT_USER, explorer + "\\Keep", "v", "1");
        testkit::SetRegString(HKEY_CURRENT_USER, browser + "\\TypedURLs", "url1", "http://a/");
        testkit::SetRegString(HKEY_CURRENT_USER, browser + "\\Main", "v", "1");
        folders.cookies = dir_.file("Cookies");
        folders.recent = dir_.file("Recent");
        folders.history = dir_.file("Local Settings\\History");
        folders.officeRecent = dir_.file("Application Data\\Microsoft\\Office\\Recent");
    }

    std::vector<WipeItem> Run(const std::vector<WipeItem>& ticked) {
        int ticks[kWipeItemCount] = {};
        for (WipeItem item : ticked) ticks[item] = 1;
        JournalEraser eraser(dir_.path(), journal);
        JournalCache cache(journal);
        return ClearSelectedItems(ticks, WipeTools{folders, eraser, cache, bin});
    }

    std::vector<std::string> FilesLeft() const {
        std::vector<std::string> left;
        for (const auto& f : kFiles) {
            if (dir_.exists(f)) left.push_back(f);
        }
        return left;
    }
    std::vector<std::string> KeysLeft() const {
        std::vector<std::string> left;
        for (const std::string& key : {std::string(kExplorer) + "\\RecentDocs", std::string(kExplorer) + "\\Keep",
                                      std::string(kBrowser) + "\\TypedURLs", std::string(kBrowser) + "\\Main"}) {
            if (testkit::RegKeyExists(HKEY_CURRENT_USER, key)) left.push_back(key.substr(key.rfind('\\') + 1));
        }
        return left;
    }

    TraceFolders folders;
    std::vector<std::string> journal;
    JournalBin bin{journal};

private:
    testkit::ScratchDir dir_;
    testkit::ScratchRegistry registry_;
};

std::vector<std::string> Without(std::vector<std::string> all, const std::vector<std::string>& gone) {
    for (const auto& g : gone) all.erase(std::remove(all.begin(), all.end(), g), all.end());
    return all;
}

const std::vector<std::string> kAllKeys = {"RecentDocs", "Keep", "TypedURLs", "Main"};

TEST(Wipe, EachKindDeletesOnlyItsOwnFilesAndKeys) {
    struct Case {
        WipeItem item;
        std::vector<std::string> files, keys, journal;
    };
    const Case cases[] = {
        {kWipeCookies, {kFiles[0]}, {}, {"erase Cookies", "cache cookies"}},
        {kWipeRecent, {kFiles[1]}, {"RecentDocs"}, {"erase Recent"}},
        {kWipeTempFiles, {}, {}, {"cache files"}},
        {kWipeHistory, {kFiles[2], kFiles[3]}, {"TypedURLs"}, {"erase Local Settings\\History", "cache history"}},
        {kWipeOfficeRecent, {kFiles[4]}, {}, {"erase Application Data\\Microsoft\\Office\\Recent"}},
        {kWipeRecycleBin, {}, {}, {"bin"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        Profile profile;
        EXPECT_TRUE(profile.Run({c.item}).empty());
        EXPECT_EQ(c.journal, profile.journal);
        EXPECT_EQ(Without(kFiles, c.files), profile.FilesLeft());
        EXPECT_EQ(Without(kAllKeys, c.keys), profile.KeysLeft());
    }
}

TEST(Wipe, AllKindsRunInTheirFixedOrderAndNothingTickedTouchesNothing) {
    Profile profile;
    EXPECT_TRUE(profile.Run({}).empty());
    EXPECT_TRUE(profile.journal.empty());
    EXPECT_EQ(kFiles, profile.FilesLeft());

    EXPECT_TRUE(profile.Run({kWipeRecycleBin, kWipeOfficeRecent, kWipeHistory, kWipeTempFiles,
                             kWipeRecent, kWipeCookies})
                    .empty());
    EXPECT_EQ(std::vector<std::string>({"erase Cookies", "cache cookies", "erase Recent", "cache files",
                                        "erase Local Settings\\History", "cache history",
                                        "erase Application Data\\Microsoft\\Office\\Recent", "bin"}),
              profile.journal);
    EXPECT_EQ(std::vector<std::string>({"Desktop\\keep.txt", "Local Settings\\Temp\\keep.tmp",
                                        "Application Data\\Microsoft\\Office\\keep.dat"}),
              profile.FilesLeft());
    EXPECT_EQ(std::vector<std::string>({"Keep", "Main"}), profile.KeysLeft());
}

TEST(Wipe, AnUnknownFolderRefusesItsKindAndTouchesNothingOfIt) {
    Profile profile;
    // What an unknown profile folder would have made of each path.
    profile.folders = {"", "\\Recent", "C:\\", "Application Data\\Microsoft\\Office\\Recent"};
    profile.bin.available = false;
    const std::vector<WipeItem> all = {kWipeTempFiles, kWipeHistory, kWipeRecent,
                                       kWipeOfficeRecent, kWipeRecycleBin, kWipeCookies};
    EXPECT_EQ(std::vector<WipeItem>(
                  {kWipeCookies, kWipeRecent, kWipeHistory, kWipeOfficeRecent, kWipeRecycleBin}),
              profile.Run(all));
    EXPECT_EQ(std::vector<std::string>({"cache files", "bin"}), profile.journal);
    EXPECT_EQ(kFiles, profile.FilesLeft());
    EXPECT_EQ(kAllKeys, profile.KeysLeft());

    EXPECT_TRUE(IsSafeWipeFolder("c:/Documents and Settings/me/Cookies"));
    EXPECT_TRUE(IsSafeWipeFolder("\\\\host\\share\\me"));
    EXPECT_FALSE(IsSafeWipeFolder("\\\\host\\share\\"));
    EXPECT_FALSE(IsSafeWipeFolder("C:\\\\"));
}

TEST(WipePage, EachBoxShowsAndStoresItsOwnTick) {
    static const bool skin = LoadSkinBitmaps() && RegisterSkinWindowClasses();
    (void)skin;
    SiteList sites;
    PrivacySettings settings;
    settings.wipe[kWipeCookies] = 1;
    settings.wipe[kWipeOfficeRecent] = 1;
    sites.Replace(settings);
    const HWND host = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr,
                                      nullptr, nullptr, nullptr);
    CWipePage page(sites);
    ASSERT_TRUE(page.Create(host));

    const std::pair<int, WipeItem> boxes[] = {
        {IDC_WIPE_HISTORY, kWipeHistory},     {IDC_WIPE_COOKIES, kWipeCookies},
        {IDC_WIPE_TEMP_FILES, kWipeTempFiles}, {IDC_WIPE_RECENT, kWipeRecent},
        {IDC_WIPE_OFFICE_RECENT, kWipeOfficeRecent}, {IDC_WIPE_RECYCLE_BIN, kWipeRecycleBin}};
    for (const auto& [box, item] : boxes) {
        SCOPED_TRACE(box);
        const bool ticked = settings.wipe[item] != 0;
        EXPECT_EQ(ticked, IsDlgButtonChecked(page.Handle(), box) == BST_CHECKED);
        SendDlgItemMessageA(page.Handle(), box, BM_CLICK, 0, 0);
        EXPECT_EQ(ticked ? 0 : 1, sites.Snapshot().wipe[item]);
        SendDlgItemMessageA(page.Handle(), box, BM_CLICK, 0, 0);
        EXPECT_EQ(settings.wipe[item], sites.Snapshot().wipe[item]);
    }
    page.Destroy();
    DestroyWindow(host);
}

}  // namespace
}  // namespace privacy
