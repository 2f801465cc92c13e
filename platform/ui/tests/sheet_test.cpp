// Property sheets: page notifications in order, apply, hidden modeless
// sheets and wizard page skipping.
#include "platform/ui/app.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/tests/ui_driver.h"
#include "platform/ui/tests/ui_test_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const int kApplyButton = 0x3021;
const int kFinishButton = 0x3025;

class RecordingPage : public ui::PropertyPage {
public:
    RecordingPage(int templateId, const std::string& name, std::vector<std::string>& log)
        : PropertyPage(templateId), name_(name), log_(log) {}
    LRESULT next = 0;
    LRESULT back = 0;
    ui::PropertySheet* sheet = nullptr;
    DWORD buttonsOnEntry = 0;

protected:
    bool OnSetActive() override {
        log_.push_back("set " + name_);
        if (sheet && buttonsOnEntry) sheet->SetWizardButtons(buttonsOnEntry);
        return true;
    }
    bool OnKillActive() override {
        log_.push_back("kill " + name_);
        return PropertyPage::OnKillActive();
    }
    bool OnApply() override {
        log_.push_back("apply " + name_);
        return PropertyPage::OnApply();
    }
    LRESULT OnWizardNext() override { return next; }
    LRESULT OnWizardBack() override { return back; }
    bool OnWizardFinish() override {
        log_.push_back("finish " + name_);
        return true;
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

struct ThreePages {
    std::vector<std::string> log;
    RecordingPage one{IDD_PAGE1, "1", log};
    RecordingPage two{IDD_PAGE2, "2", log};
    RecordingPage three{IDD_PAGE3, "3", log};
    void AddTo(ui::PropertySheet& sheet) {
        for (RecordingPage* page : {&one, &two, &three}) {
            page->sheet = &sheet;
            sheet.AddPage(*page);
        }
    }
};

TEST(PropertySheet, PagesAreActivatedInOrderAndApplyMarksThemUnchanged) {
    uitest::Watchdog watchdog;
    ThreePages pages;
    ui::PropertySheet sheet("Three pages");
    pages.AddTo(sheet);
    bool applyEnabled = false;
    uitest::Steps steps({
        [&] {
            EXPECT_EQ(0, sheet.GetActiveIndex());
            sheet.SetActivePage(1);
            return true;
        },
        [&] {
            EXPECT_EQ(1, sheet.GetActiveIndex());
            pages.two.SetModified();
            applyEnabled = IsWindowEnabled(sheet.Item(kApplyButton)) != FALSE;
            sheet.PressButton(PSBTN_APPLYNOW);
            return true;
        },
        [&] {
            EXPECT_FALSE(pages.two.IsModified());
            EXPECT_FALSE(IsWindowEnabled(sheet.Item(kApplyButton)));
            sheet.PressButton(PSBTN_OK);
            return true;
        },
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(applyEnabled);
    // Apply first takes the fields of the active page, then applies every
    // page created so far; OK does the same.
    EXPECT_EQ((std::vector<std::string>{"set 1", "kill 1", "set 2", "kill 2", "apply 1", "apply 2",
                                        "set 2", "kill 2", "apply 1", "apply 2"}),
              pages.log);
    EXPECT_EQ(nullptr, sheet.Handle());
}

// A sheet that notes every attempt to show it.
class WatchedSheet : public ui::PropertySheet {
public:
    using PropertySheet::PropertySheet;
    bool shown = false;
    bool initialised = false;

protected:
    bool OnInitDialog() override {
        initialised = true;
        return PropertySheet::OnInitDialog();
    }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if ((msg == WM_SHOWWINDOW && wp) ||
            (msg == WM_WINDOWPOSCHANGED && (reinterpret_cast<WINDOWPOS*>(lp)->flags & SWP_SHOWWINDOW))) {
            shown = true;
        }
        return PropertySheet::WindowProc(msg, wp, lp);
    }
};

TEST(PropertySheet, HiddenModelessSheetNeverBecomesVisible) {
    ThreePages pages;
    WatchedSheet sheet("Hidden");
    pages.AddTo(sheet);
    ASSERT_TRUE(sheet.Create(nullptr, false));
    EXPECT_TRUE(sheet.initialised);
    uitest::Pump(200);
    EXPECT_FALSE(IsWindowVisible(sheet.Handle()));
    EXPECT_FALSE(sheet.shown);
    EXPECT_EQ(0, sheet.GetActiveIndex());
    HWND hwnd = sheet.Handle();
    sheet.EndSheet(IDCANCEL);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(nullptr, sheet.Handle());
}

class ColouredApp : public ui::App {
protected:
    bool InitInstance() override { return false; }
};

TEST(PropertySheet, PagesTakeTheProgramsDialogColour) {
    ColouredApp app;
    app.SetDialogColors(RGB(77, 115, 148), RGB(0, 0, 0));
    ThreePages pages;
    ui::PropertySheet sheet("Coloured");
    pages.AddTo(sheet);
    ASSERT_TRUE(sheet.Create(nullptr, false));
    HWND page = reinterpret_cast<HWND>(sheet.Send(PSM_GETCURRENTPAGEHWND));
    ASSERT_NE(nullptr, page);
    // Whatever else would paint the page's body (a theme's tab texture),
    // its background is the program's colour.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 400);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageA(page, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_EQ(RGB(77, 115, 148), GetPixel(memory, 2, 2));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    sheet.EndSheet(IDCANCEL);
}

TEST(PropertySheet, ModelessSheetClosedByOkGoesAway) {
    ThreePages pages;
    ui::PropertySheet sheet("Modeless");
    pages.AddTo(sheet);
    ASSERT_TRUE(sheet.Create());
    EXPECT_TRUE(IsWindowVisible(sheet.Handle()));
    HWND hwnd = sheet.Handle();
    SendMessageA(sheet.Item(IDOK), BM_CLICK, 0, 0);
    uitest::Pump(50);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(nullptr, sheet.Handle());
}

TEST(PropertySheet, WizardSkipsAPageBothWaysAndOffersFinish) {
    uitest::Watchdog watchdog;
    ThreePages pages;
    ui::PropertySheet sheet("Wizard");
    sheet.SetWizardMode();
    pages.AddTo(sheet);
    pages.one.next = IDD_PAGE3;
    pages.one.buttonsOnEntry = PSWIZB_NEXT;
    pages.three.back = IDD_PAGE1;
    pages.three.buttonsOnEntry = PSWIZB_BACK | PSWIZB_FINISH;
    bool finishOffered = false;
    uitest::Steps steps({
        [&] {
            sheet.PressButton(PSBTN_NEXT);
            return true;
        },
        [&] {
            EXPECT_EQ(2, sheet.GetActiveIndex());
            HWND finish = sheet.Item(kFinishButton);
            finishOffered = IsWindowVisible(finish) && IsWindowEnabled(finish);
            sheet.PressButton(PSBTN_BACK);
            return true;
        },
        [&] {
            EXPECT_EQ(0, sheet.GetActiveIndex());
            sheet.PressButton(PSBTN_NEXT);
            return true;
        },
        [&] {
            sheet.PressButton(PSBTN_FINISH);
            return true;
        },
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(finishOffered);
    for (const std::string& entry : pages.log) EXPECT_EQ(std::string::npos, entry.find(" 2")) << entry;
    EXPECT_EQ("finish 3", pages.log.back());
}

TEST(PropertySheet, EndSheetEndsAModalRunWithItsCode) {
    uitest::Watchdog watchdog;
    ThreePages pages;
    ui::PropertySheet sheet("Ended");
    pages.AddTo(sheet);
    uitest::Steps steps({[&] {
        sheet.EndSheet(55);
        return true;
    }});
    EXPECT_EQ(55, sheet.DoModal());
    EXPECT_FALSE(watchdog.Fired());
}

}  // namespace
