// The Shred Files page's list and its runs, over the real engine.
#include <functional>

#include "common/suite/scourwell.h"
#include "shredder/core/paths.h"
#include "shredder/pages/shredding/files_model.h"
#include "shredder/pages/shredding/tests/page_fixture.h"

namespace shredder_test {
namespace {

namespace scourwell = suite::scourwell;

class FilesPageTest : public PageTest {
protected:
    FilesPageModel page_{context_};
};

TEST_F(FilesPageTest, ListHoldsEachFileOnceAndStaysAlignedWithItsPaths) {
    const std::string a = MakeFile("a.txt", 1), b = MakeFile("b.txt", 1), c = MakeFile("c.txt", 1);
    std::string upper = a;
    for (char& ch : upper) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    page_.OnDropFiles({a, upper, Folder("sub"), b});
    page_.OnBrowse({b, c});
    ASSERT_EQ(3u, page_.Rows().size());
    EXPECT_EQ(1, ShownContaining("drag files only"));

    page_.OnRemoveItem({2, 0, 2});
    ASSERT_EQ(1u, page_.Rows().size());
    EXPECT_EQ(b, page_.Rows()[0].text);
    EXPECT_TRUE(SamePath(b, page_.Rows()[0].path));

    page_.OnRemoveItem({});
    EXPECT_EQ(1, ShownContaining("select a file first"));
    prompt_.answers = {IDNO, IDYES};
    page_.OnRemoveAll();
    EXPECT_EQ(1u, page_.Rows().size());
    page_.OnRemoveAll();
    EXPECT_TRUE(page_.Rows().empty());
}

TEST_F(FilesPageTest, ShredNowGoesInListOrderWithTheFullProgressTotal) {
    const std::string a = MakeFile("a.bin", 200000), b = MakeFile("b.bin", 10),
                      c = MakeFile("c.bin", 65536);
    UseAlgorithm(2, false);
    page_.OnDropFiles({b, a, c});
    prompt_.answers = {IDYES};
    page_.OnShredNow();
    const uint64_t passes = algorithms_[2].passes.size();
    EXPECT_EQ(((200000 + 10 + 65536) * passes >> 16) + 1, observer_.totalRange);
    EXPECT_EQ((std::vector<std::string>{b, a, c}), observer_.fileLines);
    EXPECT_FALSE(Exists(a) || Exists(b) || Exists(c));
    EXPECT_TRUE(page_.Rows().empty());
    EXPECT_EQ(1, observer_.closed);
}

TEST_F(FilesPageTest, EveryKindOfStopEndsTheRun) {
    // Cancel in the progress window during the first file.
    const std::string a = MakeFile("a.bin", 300000), b = MakeFile("b.bin", 10);
    page_.OnDropFiles({a, b});
    observer_.cancelAfter = 2;
    prompt_.answers = {IDYES};
    page_.OnShredNow();
    EXPECT_EQ(1u, observer_.fileLines.size());
    EXPECT_EQ(std::string(10, '\x5A'), dir_.read("b.bin"));
    EXPECT_TRUE(page_.Rows().empty());

    // Cancel in the engine's own question (a read-only file).
    observer_.cancelAfter = -1;
    const std::string locked = MakeFile("r.bin", 10, FILE_ATTRIBUTE_READONLY);
    page_.OnDropFiles({locked, b});
    prompt_.answers = {IDYES, IDCANCEL};
    page_.OnShredNow();
    EXPECT_TRUE(Exists(locked) && Exists(b));

    // A listed file that is gone: one box, nothing after it.
    const std::string gone = MakeFile("gone.bin", 10);
    page_.OnDropFiles({gone, b});
    DeleteFileA(gone.c_str());
    prompt_.answers = {IDYES, IDOK};
    page_.OnShredNow();
    EXPECT_EQ(1, ShownContaining("Unable to access"));
    EXPECT_TRUE(Exists(b));
    EXPECT_TRUE(page_.Rows().empty());

    // Declining the warning keeps the list.
    page_.OnDropFiles({b});
    prompt_.answers = {IDNO};
    page_.OnShredNow();
    EXPECT_EQ(1u, page_.Rows().size());
    EXPECT_TRUE(Exists(b));
}

TEST_F(FilesPageTest, ScheduleWritesALineTheCommandLineReadsBack) {
    const std::string a = MakeFile("with blank.txt", 1), b = MakeFile("b.txt", 1),
                      hidden = MakeFile("h.txt", 1, FILE_ATTRIBUTE_HIDDEN);
    settings_.WriteDword(scourwell::kMethodValue, 3);
    page_.OnDropFiles({a, hidden, b});
    prompt_.answers = {IDNO};
    page_.OnSchedule();
    ASSERT_EQ(1u, tasks_.lines.size());
    const scourwell::ShredCommand command = scourwell::ParseCommandLine(tasks_.lines[0]);
    EXPECT_TRUE(command.silent);
    EXPECT_EQ("Nightly run", command.taskName);
    EXPECT_EQ(3, command.algorithm);
    EXPECT_EQ((std::vector<std::string>{a, b}), command.items);
    EXPECT_TRUE(page_.Rows().empty());

    // Cancel at a file, or every file declined: no task, the list emptied.
    page_.OnDropFiles({hidden, a});
    prompt_.answers = {IDCANCEL};
    page_.OnSchedule();
    page_.OnDropFiles({hidden});
    prompt_.answers = {IDNO};
    page_.OnSchedule();
    EXPECT_EQ(1, tasks_.created);
    EXPECT_TRUE(page_.Rows().empty());
}

// Answers Yes, and while its first box is open does what a click or a drop
// reaching the page would.
class MeddlingPrompt : public ui::MessagePrompt {
public:
    int Show(const std::string&, const std::string&, unsigned) override {
        if (meddle && !open_) {
            open_ = true;
            meddle();
            open_ = false;
        }
        ++shown;
        return IDYES;
    }
    std::function<void()> meddle;
    int shown = 0;

private:
    bool open_ = false;
};

TEST_F(FilesPageTest, AQuestionOpenDuringARunCannotChangeTheList) {
    MeddlingPrompt prompt;
    Messenger messenger(prompt, log_);
    TaskCollector collector(messenger, texts_, settings_, engine_.Abort());
    ShredPageContext context{engine_, messenger, texts_, settings_, collector, tasks_, false, {}};
    FilesPageModel page(context);
    const std::string a = MakeFile("a.txt", 1, FILE_ATTRIBUTE_HIDDEN),
                      b = MakeFile("b.txt", 1, FILE_ATTRIBUTE_HIDDEN), c = MakeFile("c.txt", 1);
    page.OnDropFiles({a, b});
    prompt.meddle = [&] {
        page.OnRemoveAll();
        page.OnRemoveItem({0});
        page.OnDropFiles({c});
        page.OnBrowse({c});
        page.OnSchedule();
        page.OnShredNow();
    };
    page.OnSchedule();
    ASSERT_EQ(1u, tasks_.lines.size());
    EXPECT_EQ((std::vector<std::string>{a, b}),
              scourwell::ParseCommandLine(tasks_.lines[0]).items);
    EXPECT_TRUE(page.Rows().empty());
    EXPECT_EQ(2, prompt.shown) << "a question of another run was asked";

    // Shred Now's warning: no second run starts inside it.
    page.OnDropFiles({c});
    page.OnShredNow();
    EXPECT_EQ(1, observer_.opened);
    EXPECT_FALSE(Exists(c));
    EXPECT_TRUE(page.Rows().empty());
}

}  // namespace
}  // namespace shredder_test
