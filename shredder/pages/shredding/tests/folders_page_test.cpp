// The Shred Folders page's options, list and runs, over the real engine.
#include <direct.h>

#include <cerrno>
#include <cstring>

#include "common/suite/scourwell.h"
#include "shredder/pages/shredding/folders_model.h"
#include "shredder/pages/shredding/tests/page_fixture.h"

namespace shredder_test {
namespace {

namespace scourwell = suite::scourwell;

class ChosenOptions : public SubFolderOptionsPrompt {
public:
    bool EditSubFolderOptions(SubFolderOptions& options) override {
        seen = options;
        if (ok) options = chosen;
        return ok;
    }
    bool ok = true;
    SubFolderOptions chosen, seen;
};

class FoldersPageTest : public PageTest {
protected:
    long long Stored(const char* name) {
        return testkit::RegDword(HKEY_CURRENT_USER, scourwell::kSettingsKey, name);
    }
    FoldersPageModel page_{context_};
};

TEST_F(FoldersPageTest, OptionsAreReadValidatedAndWrittenOnlyWhenChanged) {
    settings_.WriteDword(scourwell::kFolderValue, 5);
    page_.OnInitDialog();
    EXPECT_EQ(kChoiceNever, page_.Options().folder);
    EXPECT_EQ(0, Stored(scourwell::kFolderValue));
    EXPECT_EQ(-1, Stored(scourwell::kRemoveValue));

    ChosenOptions dialog;
    dialog.chosen = {kChoiceAlways, kChoiceNever};
    page_.OnSubFolderOptions(dialog);
    EXPECT_EQ(2, Stored(scourwell::kFolderValue));
    EXPECT_EQ(-1, Stored(scourwell::kRemoveValue));  // unchanged: not written

    dialog.ok = false;
    dialog.chosen = {kChoicePrompt, kChoicePrompt};
    page_.OnSubFolderOptions(dialog);
    EXPECT_EQ(kChoiceAlways, dialog.seen.folder);
    EXPECT_EQ(kChoiceAlways, page_.Options().folder);
    EXPECT_EQ(-1, Stored(scourwell::kRemoveValue));
}

TEST_F(FoldersPageTest, DriveRootsAreRefusedFromTheBrowserButTakenWhenDropped) {
    DriveTable drives;
    drives.slots[2].root = "C:\\";
    engine_.SetDrives(drives);
    page_.OnBrowse("C:\\");
    page_.OnBrowse("");
    EXPECT_TRUE(page_.Rows().empty());
    EXPECT_EQ(1, ShownContaining("You select a drive not a folder"));

    page_.OnDropFiles({"C:\\", MakeFile("f.txt", 1)});
    ASSERT_EQ(1u, page_.Rows().size());
    EXPECT_EQ("C:\\", page_.Rows()[0].path);
    EXPECT_EQ(1, ShownContaining("drag folders only"));
}

TEST_F(FoldersPageTest, ShredNowRemovesOnlyTheFoldersItEmptied) {
    const std::string emptied = Folder("emptied"), kept = Folder("kept"), guarded = Folder("guarded");
    MakeFile("emptied\\a.bin", 70000);
    MakeFile("kept\\r.bin", 10, FILE_ATTRIBUTE_READONLY);
    context_.protectedFolders = {guarded};
    engine_.SetProtectedFolders({guarded});
    page_.OnDropFiles({emptied, kept, guarded});
    prompt_.answers = {IDYES, IDNO};  // shred; keep the read-only file
    page_.OnShredNow();
    EXPECT_FALSE(Exists(emptied));
    EXPECT_TRUE(Exists(kept + "\\r.bin"));
    EXPECT_TRUE(Exists(guarded));
    EXPECT_EQ(1, ShownContaining("Skipping"));
    EXPECT_EQ(0, ShownContaining("Unable to remove"));
    EXPECT_EQ(((70000 * algorithms_[0].passes.size()) >> 16) + 1, observer_.totalRange);
    EXPECT_TRUE(page_.Rows().empty());
}

// An emptied folder held open elsewhere stays; the message names the
// run-time library's error, which the removal reports.
TEST_F(FoldersPageTest, AFolderThatCannotGoIsReportedWithTheRuntimeError) {
    const std::string held = Folder("held");
    MakeFile("held\\a.bin", 10);
    HANDLE handle = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    page_.OnDropFiles({held});
    prompt_.answers = {IDYES};
    page_.OnShredNow();
    const int removed = _rmdir(held.c_str());
    const int code = errno;
    CloseHandle(handle);
    ASSERT_NE(0, removed) << "the open folder went";
    EXPECT_EQ(1, ShownContaining("Unable to remove folder"));
    EXPECT_EQ(1, ShownContaining("Error code: " + std::to_string(code) + " (" + strerror(code) + ")."));
}

TEST_F(FoldersPageTest, CancelInAQuestionEndsTheRunAndRemovesNothing) {
    const std::string system = Folder("system"), later = Folder("later");
    SetFileAttributesA(system.c_str(), FILE_ATTRIBUTE_SYSTEM);
    MakeFile("later\\x.bin", 10);
    page_.OnDropFiles({system, later});
    prompt_.answers = {IDYES, IDCANCEL};
    page_.OnShredNow();
    EXPECT_TRUE(Exists(system));
    EXPECT_TRUE(Exists(later + "\\x.bin"));

    settings_.WriteDword(scourwell::kFolderValue, kChoicePrompt);
    const std::string outer = Folder("outer");
    Folder("outer\\inner");
    MakeFile("outer\\inner\\y.bin", 10);
    page_.OnDropFiles({outer, later});
    prompt_.answers = {IDYES, IDCANCEL};  // shred; Cancel at the subfolder
    page_.OnShredNow();
    EXPECT_TRUE(Exists(outer + "\\inner\\y.bin"));
    EXPECT_TRUE(Exists(later + "\\x.bin"));
    SetFileAttributesA(system.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FoldersPageTest, ScheduleCarriesTheOptionsOfThatMoment) {
    const std::string one = Folder("one"), two = Folder("two words");
    settings_.WriteDword(scourwell::kMethodValue, 1);
    settings_.WriteDword(scourwell::kFolderValue, 2);
    settings_.WriteDword(scourwell::kRemoveValue, 0);
    page_.OnDropFiles({one, two});
    page_.OnSchedule();
    ASSERT_EQ(1u, tasks_.lines.size());
    EXPECT_EQ("\"/s\" \"Nightly run\" \"/O1\" \"/F2\" \"/R0\" \"" + one + "\" \"" + two + "\"",
              tasks_.lines[0]);
    const scourwell::ShredCommand command = scourwell::ParseCommandLine(tasks_.lines[0]);
    EXPECT_EQ(1, command.algorithm);
    EXPECT_EQ(2, command.folderOption);
    EXPECT_EQ(0, command.removeOption);
    EXPECT_EQ((std::vector<std::string>{one, two}), command.items);

    // A cancelled name creates nothing and still empties the list.
    tasks_.name.clear();
    page_.OnDropFiles({one});
    page_.OnSchedule();
    EXPECT_EQ(1u, tasks_.lines.size());
    EXPECT_TRUE(page_.Rows().empty());
}

}  // namespace
}  // namespace shredder_test
