// "Options.opt": the exact bytes of the archive format, and what loading
// makes of missing, cut and malformed files.
#include <gtest/gtest.h>

#include <string>

#include "common/files/file_handle.h"
#include "platform/testkit/scratch.h"
#include "privacy/core/options_file.h"
#include "privacy/core/privacy_proxy.h"

namespace privacy {
namespace {

std::string Int(uint32_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
}

// A file as the program leaves it after a few visits, built field by field.
std::string RealisticFile() {
    std::string f;
    for (uint32_t v : {1u, 0u, 1u, 1u, 1u, 0u, 0u, 1u, 1u}) f += Int(v);  // browsers, wipe
    f += "\x06" "German";
    for (uint32_t v : {1u, 0u, 1u, 1u}) f += Int(v);  // popups, hub, images, user info
    f += Int(2);
    f += Int(0) + "\x0b" "example.com" + Int(1733700000) + Int(7);
    for (uint32_t v : {1u, 0u, 0u, 0u, 0u, 0u}) f += Int(v);
    f += Int(1) + "\x0c" "ads.tracker." + Int(0xF0000000u) + Int(1);  // a time beyond 2038
    for (uint32_t v : {0u, 1u, 1u, 0u, 1u, 1u}) f += Int(v);
    return f;
}

TEST(OptionsFile, RoundTripIsByteExact) {
    const std::string bytes = RealisticFile();
    PrivacySettings s;
    ASSERT_TRUE(ReadOptions(bytes, s));
    EXPECT_EQ("German", s.language);
    EXPECT_EQ(0, s.browserNetscape);
    EXPECT_EQ(1, s.defaults.referer);
    EXPECT_EQ(1, s.defaults.userAgent);
    ASSERT_EQ(2u, s.sites.size());
    EXPECT_EQ(7, s.sites[0].hits);
    EXPECT_EQ(1, s.sites[1].hidden);
    EXPECT_EQ(0xF0000000LL, s.sites[1].lastAccess);
    EXPECT_EQ(bytes, WriteOptions(s));
}

TEST(OptionsFile, StringLengthsTakeTheirPrefixForms) {
    const struct {
        size_t length;
        std::string prefix;
    } rows[] = {
        {254, "\xfe"},
        {255, std::string("\xff\xff\x00", 3)},
        {65533, "\xff\xfd\xff"},
        {65534, std::string("\xff\xff\xff\xfe\xff\x00\x00", 7)},
    };
    for (const auto& row : rows) {
        PrivacySettings s;
        CSiteRecord site;
        site.host.assign(row.length, 'h');
        s.sites.push_back(site);
        const std::string bytes = WriteOptions(s);
        const size_t at = 13 * 4 + 8 + 4 + 4;  // behind the count and the hidden flag
        EXPECT_EQ(row.prefix, bytes.substr(at, row.prefix.size())) << row.length;
        PrivacySettings back;
        ASSERT_TRUE(ReadOptions(bytes, back)) << row.length;
        EXPECT_EQ(site.host, back.sites.at(0).host);
    }
}

TEST(OptionsFile, DefaultsFileHoldsThirteenIntegersTheLanguageAndTheCount) {
    const std::string bytes = WriteOptions(PrivacySettings());
    EXPECT_EQ(13u * 4 + 1 + 7 + 4, bytes.size());
    EXPECT_EQ(Int(1) + Int(1) + Int(1), bytes.substr(0, 12));
}

TEST(OptionsFile, DamagedFilesKeepWhatWasReadAndNeverMore) {
    const std::string bytes = RealisticFile();
    const size_t firstRecordEnd = bytes.size() - (4 + 13 + 4 + 7 * 4);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        PrivacySettings s;
        EXPECT_FALSE(ReadOptions(bytes.substr(0, cut), s)) << cut;
        EXPECT_LE(s.sites.size(), cut >= firstRecordEnd ? 1u : 0u) << cut;
    }
    // A wide-string marker, a length past the end and a count past what the
    // bytes can hold are refused.
    std::string wide = bytes;
    wide.replace(36, 1, std::string("\xff\xfe\xff", 3));
    PrivacySettings s;
    EXPECT_FALSE(ReadOptions(wide, s));
    EXPECT_EQ("English", s.language);
    std::string huge = WriteOptions(PrivacySettings());
    huge.replace(huge.size() - 4, 4, Int(0x7fffffff));
    EXPECT_FALSE(ReadOptions(huge, s));
    EXPECT_TRUE(s.sites.empty());
}

TEST(OptionsFile, MissingFileKeepsTheBrowsersSetUpAndSavingReplacesWhole) {
    testkit::ScratchDir dir("privacy-options");
    PrivacySettings s;
    EXPECT_EQ(LoadResult::Missing, LoadOptionsFile(dir.file("Options.opt"), s));
    EXPECT_EQ(1, s.browserIE);
    EXPECT_EQ(1, s.browserNetscape);
    EXPECT_EQ(1, s.browserOpera);

    ASSERT_TRUE(ReadOptions(RealisticFile(), s));
    ASSERT_TRUE(SaveOptionsFile(dir.file("Options.opt"), s));
    EXPECT_EQ(RealisticFile(), dir.read("Options.opt"));
    PrivacySettings back;
    EXPECT_EQ(LoadResult::Loaded, LoadOptionsFile(dir.file("Options.opt"), back));
    EXPECT_EQ(2u, back.sites.size());
    dir.write("Options.opt", RealisticFile().substr(0, 90));
    EXPECT_EQ(LoadResult::Damaged, LoadOptionsFile(dir.file("Options.opt"), back));
}

// A scanner holding the file open at start-up must not cost the user the
// sites saved in it: the run's save leaves the file alone.
TEST(OptionsFile, AFileHeldOpenAtStartUpSurvivesTheRunByteExact) {
    testkit::ScratchDir dir("privacy-options-held");
    dir.write("Options.opt", RealisticFile());
    CorbeltProbes probes;
    probes.online = [] { return false; };
    CorbeltProxy proxy{ProgramFiles(dir.path()), probes};
    {
        files::FileHandle held(CreateFileA(dir.file("Options.opt").c_str(), GENERIC_READ, 0,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held.IsOpen());
        EXPECT_EQ(LoadResult::Unreadable, proxy.Load());
    }
    EXPECT_TRUE(proxy.Sites().Snapshot().sites.empty());
    proxy.Sites().LookupSitePolicy("visited.example", 1);
    EXPECT_FALSE(proxy.Save());
    EXPECT_EQ(RealisticFile(), dir.read("Options.opt"));
}

}  // namespace
}  // namespace privacy
