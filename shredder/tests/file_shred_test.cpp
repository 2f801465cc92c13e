// Files through the engine: what every pass writes, the rename, and what
// happens to a file that is not shredded after all.
#include "shredder/tests/engine_fixture.h"

#include <algorithm>

#include "common/files/folder_list.h"
#include "shredder/engine/named_streams.h"

namespace shredder_test {
namespace {

using File = EngineTest;

// The attributes a user sets (the system adds "archive" on its own).
constexpr DWORD kShown = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

TEST_F(File, EmptyAndExactBlockFiles) {
    const std::string empty = MakeFile("empty.dat", 0);
    const std::string block = MakeFile("block.dat", 65536);
    EXPECT_EQ(kGoOn, engine_.ShredFile(empty, kModeOrdinary));
    EXPECT_TRUE(targets_.blocks.empty());
    EXPECT_EQ(2u, observer_.steps);  // an empty file still ticks twice per pass
    EXPECT_EQ(kGoOn, engine_.ShredFile(block, kModeOrdinary));
    ASSERT_EQ(1u, targets_.blocks.size());
    EXPECT_EQ(65536u, targets_.blocks[0].length);
    EXPECT_TRUE(files::ListMatches(dir_.file("*.*")).empty());
}

TEST_F(File, RandomNameKeepsLengthAndDots) {
    const std::string name = RandomSameLengthName("C:\\x.y\\a.b.txt", random_);
    ASSERT_EQ(std::string("C:\\x.y\\a.b.txt").size(), name.size());
    EXPECT_EQ("C:\\x.y\\", name.substr(0, 7));
    EXPECT_EQ('.', name[8]);
    EXPECT_EQ('.', name[10]);
    for (size_t i : {7u, 9u, 11u, 12u, 13u}) EXPECT_TRUE(isalpha(static_cast<unsigned char>(name[i])));
    EXPECT_NE("C:\\x.y\\a.b.txt", name);

    MakeFile("a.b.txt", 10);
    EXPECT_EQ(kGoOn, engine_.ShredFile(dir_.file("a.b.txt"), kModeOrdinary));
    EXPECT_TRUE(files::ListMatches(dir_.file("*.*")).empty());
}

TEST_F(File, EachAlgorithmWritesItsPassesInOrder) {
    for (int index = 0; index < kBuiltInCount; ++index) {
        targets_.blocks.clear();
        UseAlgorithm(index, true);
        const std::string path = MakeFile("f.bin", 65536 * 2 + 100);
        ASSERT_EQ(kGoOn, engine_.ShredFile(path, kModeOrdinary)) << index;
        const Algorithm& algorithm = algorithms_[index];
        for (size_t p = 0; p < algorithm.passes.size(); ++p) {
            const std::vector<Block> blocks = PassBlocks(static_cast<int>(p + 1));
            ASSERT_EQ(3u, blocks.size()) << index << "/" << p;
            EXPECT_EQ(100u, blocks[2].length);
            const Pass& pass = algorithm.passes[p];
            if (pass.kind == PassKind::Pattern) {
                EXPECT_EQ(pass.pattern[0], blocks[0].first);
                EXPECT_EQ(pass.pattern[65535 % pass.pattern.size()], blocks[0].last);
            }
            if (pass.kind == PassKind::Complement) {
                EXPECT_EQ(static_cast<unsigned char>(~PassBlocks(static_cast<int>(p))[0].first),
                          blocks[0].first);
            }
        }
        EXPECT_EQ(algorithm.passes.size() * 3, targets_.blocks.size());
        EXPECT_FALSE(dir_.exists("f.bin"));
    }
}

TEST_F(File, ReadOnlyFileSilentVersusInteractive) {
    const std::string path = MakeFile("ro.txt", 5, FILE_ATTRIBUTE_READONLY);
    prompt_.answers = {IDNO};
    EXPECT_EQ(kGoOn, engine_.ShredFile(path, kModeOrdinary));
    EXPECT_EQ(1, ShownContaining("Read-only attributes"));
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_READONLY), GetFileAttributesA(path.c_str()) & kShown);
    prompt_.answers = {IDCANCEL};
    EXPECT_EQ(kStop, engine_.ShredFile(path, kModeOrdinary));
    EXPECT_TRUE(dir_.exists("ro.txt"));

    UseAlgorithm(0, true);
    EXPECT_EQ(kGoOn, engine_.ShredFile(path, kModeOrdinary));
    EXPECT_FALSE(dir_.exists("ro.txt"));
    EXPECT_EQ(2, ShownContaining("Read-only attributes"));
}

TEST_F(File, LockedFileIsReportedAndKept) {
    const std::string path = MakeFile("locked.txt", 5, FILE_ATTRIBUTE_HIDDEN);
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    UseAlgorithm(0, true);
    EXPECT_EQ(kGoOn, engine_.ShredFile(path, kModeOrdinary));
    EXPECT_EQ(kStop, engine_.ShredFile(path, kModeQuiet));
    CloseHandle(lock);
    EXPECT_EQ("ZZZZZ", dir_.read("locked.txt"));
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN), GetFileAttributesA(path.c_str()) & kShown);
    const std::string log = dir_.read("log.txt");
    EXPECT_EQ(0u, log.find("Could not obtain exclusive access to\n" + path)) << log;
    EXPECT_NE(log.find("exclusive"), log.rfind("exclusive"));  // both modes logged
    messenger_.WriteSuccessIfQuiet();
    EXPECT_EQ(std::string::npos, dir_.read("log.txt").find("Success"));
}

TEST_F(File, CancelInTheSecondPassKeepsNameAndAttributes) {
    UseAlgorithm(1, true);
    const std::string path = MakeFile("cancel.txt", 65536 * 4, FILE_ATTRIBUTE_READONLY);
    observer_.cancelAfter = 10;  // pass one polls 1 + 4 + 2 + 1 times, pass two writes one block
    EXPECT_EQ(kStop, engine_.ShredFile(path, kModeOrdinary));
    EXPECT_TRUE(engine_.Abort());
    EXPECT_FALSE(PassBlocks(2).empty());
    EXPECT_TRUE(PassBlocks(3).empty());
    ASSERT_TRUE(dir_.exists("cancel.txt"));
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_READONLY), GetFileAttributesA(path.c_str()) & kShown);
    // The silent run's log names the file left partly overwritten, so the
    // run can never end as a success.
    EXPECT_EQ(2u, files::ListMatches(dir_.file("*.*")).size());  // and log.txt
    EXPECT_EQ("Shredding was cancelled.\n" + path + "\nkeeps its name; its contents are partly "
              "overwritten.\n\n", dir_.read("log.txt"));
    messenger_.WriteSuccessIfQuiet();
    EXPECT_EQ(std::string::npos, dir_.read("log.txt").find("Success"));
}

TEST_F(File, FailedWriteKeepsTheFileAndReports) {
    const std::string path = MakeFile("bad.txt", 65536 * 2);
    targets_.failAtWrite = 1;
    EXPECT_EQ(kGoOn, engine_.ShredFile(path, kModeOrdinary));
    EXPECT_TRUE(dir_.exists("bad.txt"));
    EXPECT_EQ(65536u * 2, dir_.read("bad.txt").size());
    EXPECT_EQ(1, ShownContaining("Could not overwrite\n" + path +
                                 "\n\nIts contents are partly overwritten; the file has not been deleted."));
    // A write the system called done that put nothing down says so.
    targets_.blocks.clear();
    targets_.failError = NO_ERROR;
    EXPECT_EQ(kGoOn, engine_.ShredFile(path, kModeOrdinary));
    EXPECT_EQ(1, ShownContaining("System error message: The system reported the write as done but wrote nothing."));
    EXPECT_EQ(0, ShownContaining("completed successfully"));
}

TEST_F(File, FileGrownSinceItWasListedIsOverwrittenToItsEnd) {
    const std::string path = MakeFile("grows.bin", 100, FILE_ATTRIBUTE_READONLY);
    // Another program appends while the attribute question is open.
    prompt_.onShow = [&] {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        OwnedFile file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
        DWORD written = 0;
        const std::string more(70000, 'm');
        WriteFile(file.get(), more.data(), DWORD(more.size()), &written, nullptr);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    };
    prompt_.answers = {IDYES};
    EXPECT_EQ(kGoOn, engine_.ShredFile(path, kModeOrdinary));
    uint64_t end = 0;
    for (const Block& block : PassBlocks(1)) end = std::max<uint64_t>(end, block.offset + block.length);
    EXPECT_EQ(70100u, end);
    EXPECT_FALSE(dir_.exists("grows.bin"));
}

// Backup records as the system's reader gives them, from a recording.
class RecordedBackup : public BackupRecords {
public:
    void Add(uint32_t id, const std::wstring& name, const std::string& data) {
        unsigned char header[20] = {};
        auto put = [&](int at, uint32_t value) {
            for (int i = 0; i < 4; ++i) header[at + i] = static_cast<unsigned char>(value >> (8 * i));
        };
        put(0, id);
        put(8, static_cast<uint32_t>(data.size()));
        put(16, static_cast<uint32_t>(name.size() * 2));
        bytes_.append(reinterpret_cast<char*>(header), sizeof header);
        for (wchar_t c : name) bytes_ += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        bytes_ += data;
    }
    void Cut(size_t size) { bytes_.resize(bytes_.size() - size); }
    bool Read(void* data, uint32_t size) override {
        if (bytes_.size() - at_ < size) return false;
        bytes_.copy(static_cast<char*>(data), size, at_);
        at_ += size;
        return true;
    }
    bool Skip(uint64_t size) override {
        if (bytes_.size() - at_ < size) return false;
        at_ += static_cast<size_t>(size);
        return true;
    }

private:
    std::string bytes_;
    size_t at_ = 0;
};

// Wine's file systems hold no named streams, so the listing is checked on
// a recorded one: only named data streams count, whatever comes between.
TEST(NamedStreams, ListedFromTheBackupRecords) {
    RecordedBackup backup;
    backup.Add(BACKUP_SECURITY_DATA, L"", std::string(40, 's'));
    backup.Add(BACKUP_DATA, L"", "the file's own data");
    backup.Add(BACKUP_ALTERNATE_DATA, L":secret:$DATA", "hidden words");
    backup.Add(BACKUP_EA_DATA, L"", "ea");
    backup.Add(BACKUP_ALTERNATE_DATA, L":empty:$DATA", "");
    backup.Add(BACKUP_ALTERNATE_DATA, L":cut:$DATA", "never whole");
    backup.Cut(15);  // into the last name
    const std::vector<NamedStream> streams = ReadNamedStreams(backup);
    ASSERT_EQ(2u, streams.size());
    EXPECT_EQ(":secret:$DATA", streams[0].name);
    EXPECT_EQ(12u, streams[0].size);
    EXPECT_EQ(":empty:$DATA", streams[1].name);
    EXPECT_EQ(0u, streams[1].size);
}

}  // namespace
}  // namespace shredder_test
