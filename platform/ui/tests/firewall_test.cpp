// The exception firewall: a handler that throws inside a modal loop or a
// COM method is reported once and the program goes on.
#include "platform/com/class_factory.h"
#include "platform/guard/guard.h"
#include "platform/ui/dialog.h"
#include "platform/ui/module.h"
#include "platform/ui/tests/ui_driver.h"
#include "platform/ui/tests/ui_test_ids.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_reports;

void Record(const char* where, const char* what) { g_reports.push_back(std::string(where) + ": " + what); }

class ReportsRecorded : public testing::Test {
protected:
    ReportsRecorded() {
        g_reports.clear();
        guard::SetReporter(Record);
    }
    ~ReportsRecorded() override { guard::SetReporter(nullptr); }
};

class ThrowingDialog : public ui::Dialog {
public:
    ThrowingDialog() : Dialog(IDD_PLAIN) {}
    int timerTicks = 0;

protected:
    bool OnInitDialog() override {
        SetTimer(1, 10);
        return Dialog::OnInitDialog();
    }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_TIMER && wp == 1) {
            if (++timerTicks == 1) throw std::runtime_error("handler failed");
            KillTimer(1);
            EndDialog(7);
            return 0;
        }
        return Dialog::WindowProc(msg, wp, lp);
    }
};

TEST_F(ReportsRecorded, AThrowingHandlerIsReportedAndTheDialogRunsOn) {
    uitest::Watchdog watchdog;
    ThrowingDialog dialog;
    EXPECT_EQ(7, dialog.DoModal());
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_EQ(1u, g_reports.size());
    EXPECT_EQ("window procedure: handler failed", g_reports[0]);
}

TEST_F(ReportsRecorded, ACreatorThatThrowsFailsTheComCallInsteadOfTheHost) {
    com::ClassFactory factory([](REFIID, void**) -> HRESULT { throw std::bad_alloc(); });
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_UNEXPECTED, factory.CreateInstance(nullptr, IID_IUnknown, &object));
    EXPECT_EQ(nullptr, object);
    ASSERT_EQ(1u, g_reports.size());
    EXPECT_EQ(0u, g_reports[0].find("ClassFactory::CreateInstance"));
}

TEST(ResourceModule, IsTheModuleTheLayerIsLinkedInto) {
    EXPECT_EQ(GetModuleHandleA(nullptr), ui::ResourceModule());
    EXPECT_TRUE(ui::OwnsProcessThreads());
}

}  // namespace
