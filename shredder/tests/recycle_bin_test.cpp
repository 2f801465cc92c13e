// The Recycle Bin wipe over hand-built bins in the scratch folder, with the
// shell's query and empty calls faked.
#include "shredder/tests/engine_fixture.h"

#include "shredder/engine/recycle_bin.h"

namespace shredder_test {
namespace {

class FakeBin : public RecycleBinApi {
public:
    bool Available() override { return true; }
    HRESULT Query(const std::string& root, uint64_t& size, uint64_t& count) override {
        queried.push_back(root);
        size = count = 0;
        if (failQuery) return E_FAIL;
        WIN32_FIND_DATAA found;
        // The bin's size as the shell would count it: everything but its own files.
        for (const char* bin : {"RECYCLED\\*.*", "Recycler\\S-1-5-21-7\\*.*"}) {
            HANDLE find = FindFirstFileA((root + bin).c_str(), &found);
            if (find == INVALID_HANDLE_VALUE) continue;
            do {
                std::string name = found.cFileName;
                if (name == "." || name == ".." || name == "INFO2" || name == "desktop.ini") continue;
                size += found.nFileSizeLow + 1;
                ++count;
            } while (FindNextFileA(find, &found));
            FindClose(find);
        }
        return S_OK;
    }
    HRESULT Empty(const std::string& root) override {
        emptied.push_back(root);
        return root == failEmptyOf ? E_ACCESSDENIED : S_OK;
    }
    bool failQuery = false;
    std::string failEmptyOf;
    std::vector<std::string> queried, emptied;
};

class RecycleBin : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        dir_.write("d1\\RECYCLED\\INFO2", "index");
        dir_.write("d1\\RECYCLED\\desktop.ini", "old");
        dir_.write("d1\\RECYCLED\\Dc1.txt", "deleted one");
        dir_.write("d1\\RECYCLED\\Dc2\\inner.txt", "deleted folder");
        dir_.write("d2\\Recycler\\S-1-5-21-7\\INFO2", "index2");
        dir_.write("d2\\Recycler\\S-1-5-21-7\\Dc3.txt", std::string(70000, 'q'));
        DriveTable drives;
        drives.slots[2].root = dir_.file("d1") + "\\";
        drives.slots[3].root = dir_.file("d2") + "\\";
        drives.slots[3].ntfs = true;
        engine_.SetDrives(drives);
        engine_.SetUserSid("S-1-5-21-7");
        engine_.SetRecycleBinApi(&bin_);
        UseAlgorithm(0, true);
    }
    FakeBin bin_;
};

TEST_F(RecycleBin, ContentsOverwrittenIndexKeptDesktopIniRewritten) {
    EXPECT_EQ(kGoOn, engine_.ShredRecycleBin());
    EXPECT_EQ("index", dir_.read("d1\\RECYCLED\\INFO2"));
    EXPECT_EQ("index2", dir_.read("d2\\Recycler\\S-1-5-21-7\\INFO2"));
    EXPECT_EQ("", dir_.read("d1\\RECYCLED\\Dc1.txt"));  // overwritten, truncated, kept
    EXPECT_EQ("", dir_.read("d2\\Recycler\\S-1-5-21-7\\Dc3.txt"));
    const std::string ini = dir_.read("d1\\RECYCLED\\desktop.ini");
    EXPECT_EQ(65u, ini.size());
    EXPECT_EQ(DesktopIniText(), ini);
    EXPECT_EQ(ini, dir_.read("d2\\Recycler\\S-1-5-21-7\\desktop.ini"));
    EXPECT_EQ(2u, bin_.emptied.size());
    bool touchedIndex = false;
    for (const std::string& path : targets_.paths) touchedIndex |= path.find("INFO2") != std::string::npos;
    EXPECT_FALSE(touchedIndex);
}

TEST_F(RecycleBin, FailedEmptyIsReportedAndMarkedDesktopIniRewritten) {
    const std::string ini = dir_.file("d1\\RECYCLED\\desktop.ini");
    const DWORD marks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    SetFileAttributesA(ini.c_str(), marks);
    bin_.failEmptyOf = dir_.file("d2") + "\\";
    EXPECT_EQ(kGoOn, engine_.ShredRecycleBin());
    EXPECT_EQ(DesktopIniText(), dir_.read("d1\\RECYCLED\\desktop.ini"));
    EXPECT_EQ(marks, GetFileAttributesA(ini.c_str()) & marks);
    EXPECT_FALSE(dir_.exists("d2\\Recycler\\S-1-5-21-7\\desktop.ini"));  // not emptied: not rewritten
    EXPECT_EQ("Call to SHEmptyRecycleBin failed for drive C:\nIts contents have been shredded but "
              "are still in the Recycle Bin.\nError code 0x 80070005",
              messenger_.LastLogged());
    messenger_.WriteSuccessIfQuiet();
    EXPECT_EQ(std::string::npos, dir_.read("log.txt").find("Success"));
}

TEST_F(RecycleBin, EmptyBinsAndFailedQueries) {
    DeleteFileA(dir_.file("d1\\RECYCLED\\Dc1.txt").c_str());
    DeleteFileA(dir_.file("d1\\RECYCLED\\Dc2\\inner.txt").c_str());
    RemoveDirectoryA(dir_.file("d1\\RECYCLED\\Dc2").c_str());
    DeleteFileA(dir_.file("d2\\Recycler\\S-1-5-21-7\\Dc3.txt").c_str());
    EXPECT_EQ(kGoOn, engine_.ShredRecycleBin());
    EXPECT_NE(std::string::npos, dir_.read("log.txt").find("The recycle bin is currently empty."));
    EXPECT_TRUE(targets_.blocks.empty());
    EXPECT_TRUE(bin_.emptied.empty());

    bin_.failQuery = true;
    EXPECT_EQ(kStop, engine_.ShredRecycleBin());
    EXPECT_EQ(1u, bin_.queried.size() - 2);  // the step ends at the first failed query
    EXPECT_NE(std::string::npos, dir_.read("log.txt").find("None of the Recycle Bin's contents"));
}

TEST_F(RecycleBin, CancelOnTheSecondDrive) {
    observer_.cancelAfter = 7;  // three polls per small file of the first bin, then the second bin
    EXPECT_EQ(kStop, engine_.ShredRecycleBin());
    EXPECT_EQ(std::vector<std::string>{dir_.file("d1") + "\\"}, bin_.emptied);
    EXPECT_EQ("", dir_.read("d1\\RECYCLED\\Dc1.txt"));
    EXPECT_EQ(70000u, dir_.read("d2\\Recycler\\S-1-5-21-7\\Dc3.txt").size());
    EXPECT_FALSE(dir_.exists("d2\\Recycler\\S-1-5-21-7\\desktop.ini"));
    EXPECT_NE(std::string::npos, dir_.read("log.txt").find("User abort or fatal error while processing drive"));
}

}  // namespace
}  // namespace shredder_test
