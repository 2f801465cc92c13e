// The Recycle Bin page: the conflict warning in front of the engine's wipe,
// and its task.
#include "common/suite/scourwell.h"
#include "shredder/pages/shredding/recycle_model.h"
#include "shredder/pages/shredding/tests/page_fixture.h"

namespace shredder_test {
namespace {

namespace scourwell = suite::scourwell;

// A bin of `bytes` on every drive; empty by default, so each wipe reaches
// its "empty" message.
class SizedBin : public RecycleBinApi {
public:
    bool Available() override { return true; }
    HRESULT Query(const std::string&, uint64_t& size, uint64_t& count) override {
        size = count = bytes;
        return S_OK;
    }
    HRESULT Empty(const std::string&) override { return S_OK; }
    uint64_t bytes = 0;
};

class ScriptedAlert : public AlertPrompt {
public:
    AlertResult ShowAlert(int mode) override {
        modes.push_back(mode);
        return answer;
    }
    AlertResult answer;
    std::vector<int> modes;
};

class RecyclePageTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        engine_.SetRecycleBinApi(&bin_);
    }
    int Wipes() const { return ShownContaining("currently empty"); }

    SizedBin bin_;
    ScriptedAlert alert_;
    RecyclePageModel page_{context_, alert_};
};

TEST_F(RecyclePageTest, WarningGatesTheWipeUntilTurnedOff) {
    alert_.answer = {false, true};  // Escape or the close box
    page_.OnShredNow();
    EXPECT_EQ(0, Wipes());

    alert_.answer = {true, false};
    page_.OnShredNow();
    page_.OnShredNow();
    EXPECT_EQ(2, Wipes());
    EXPECT_EQ(-1, testkit::RegDword(HKEY_CURRENT_USER, scourwell::kSettingsKey,
                                    scourwell::kBinAlertDisabledValue));

    alert_.answer = {true, true};
    page_.OnShredNow();
    page_.OnShredNow();
    EXPECT_EQ(4, Wipes());
    EXPECT_EQ((std::vector<int>{kAlertRecycleBin, kAlertRecycleBin, kAlertRecycleBin, kAlertRecycleBin}),
              alert_.modes);
    EXPECT_EQ(1, testkit::RegDword(HKEY_CURRENT_USER, scourwell::kSettingsKey,
                                   scourwell::kBinAlertDisabledValue));
}

// A scheduled run has nobody to answer the warning: it is logged and the
// bin shredded.
TEST_F(RecyclePageTest, SilentRunLogsTheWarningAndShreds) {
    dir_.write("d\\RECYCLED\\Dc1.txt", "deleted one");
    DriveTable drives;
    drives.slots[2].root = dir_.file("d") + "\\";
    engine_.SetDrives(drives);
    bin_.bytes = 11;
    UseAlgorithm(0, true);
    EXPECT_EQ(kGoOn, page_.OnShredNow());
    EXPECT_TRUE(alert_.modes.empty() && prompt_.shown.empty());
    EXPECT_EQ(0u, dir_.read("log.txt").find(texts_.Text(AlertNotice(kAlertRecycleBin)) + "\n\n"));
    EXPECT_EQ("", dir_.read("d\\RECYCLED\\Dc1.txt"));
}

TEST_F(RecyclePageTest, ScheduleAsksTheWarningAndWritesFourQuotedTokens) {
    settings_.WriteDword(scourwell::kMethodValue, 4);
    page_.OnSchedule();  // declined
    alert_.answer = {true, false};
    page_.OnSchedule();
    EXPECT_EQ(1, tasks_.created);
    ASSERT_EQ(1u, tasks_.lines.size());
    EXPECT_EQ("\"/s\" \"Nightly run\" \"/O4\" \"recycle\"", tasks_.lines[0]);
    EXPECT_EQ((std::vector<std::string>{"/s", "Nightly run", "/O4", "recycle"}),
              scourwell::TokenizeCommandLine(tasks_.lines[0]));
}

}  // namespace
}  // namespace shredder_test
