// Assembling a scheduled task: every question settled now, each "prompt"
// option turned into a fixed one in the settings.
#include "shredder/tests/engine_fixture.h"

#include "common/suite/scourwell.h"
#include "shredder/core/task_collection.h"

namespace shredder_test {
namespace {

using namespace suite::scourwell;
using Collect = EngineTest;

TEST_F(Collect, FirstSubfolderAsksOnceAndTheAnswerStays) {
    dir_.write("job\\a\\x.txt", "x");
    dir_.write("job\\b\\y.txt", "y");
    settings_.WriteDword(kFolderValue, 1);
    settings_.WriteDword(kRemoveValue, 1);
    TaskCollector collector(messenger_, texts_, settings_, engine_.Abort());
    prompt_.answers = {IDYES, IDNO};  // all subfolders: yes; remove them: no
    EXPECT_EQ(2, collector.CollectScheduledFolders(dir_.file("job"), false));
    EXPECT_EQ(1, ShownContaining("Do you want to shred all sub folders?"));
    EXPECT_EQ(1, ShownContaining("remove all sub folders"));
    EXPECT_EQ(2, settings_.FolderOption());
    EXPECT_EQ(0, settings_.RemoveOption());
    EXPECT_EQ(2u, prompt_.shown.size());

    dir_.write("job\\ro.txt", "r");
    SetFileAttributesA(dir_.file("job\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(kAddSkip, collector.ConfirmAddFile(dir_.file("missing.txt")));
    prompt_.answers = {IDCANCEL};
    EXPECT_EQ(kAddStop, collector.ConfirmAddFile(dir_.file("job\\ro.txt")));
    EXPECT_EQ(kAddYes, collector.ConfirmAddFile(dir_.file("job\\a\\x.txt")));
}

}  // namespace
}  // namespace shredder_test
