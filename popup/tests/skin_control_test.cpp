// The skin control as the running program meets it: a recording stand-in,
// registered under the control's class id, shows which object drew which
// window after loading which skin file.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "popup/main_pages.h"
#include "popup/res/resource_ids.h"
#include "platform/ui/tests/skin_record.h"
#include "popup/tests/halvane_app_fixture.h"

namespace popup {

using ::testing::_;
using ::testing::Each;
using ::testing::HasSubstr;
using ::testing::Return;

namespace {

using uitest::kSkinRecordVariable;
using uitest::RecordingSkinPath;
using uitest::SkinWindowText;

BOOL CALLBACK FindBrowsersPage(HWND window, LPARAM found) {
    if (!GetDlgItem(window, IDC_BROWSERS_IE)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

BOOL CALLBACK SearchTopWindow(HWND top, LPARAM found) {
    EnumChildWindows(top, FindBrowsersPage, found);
    return *reinterpret_cast<HWND*>(found) == nullptr;
}

// The wizard's first page while the wizard is open.
HWND WizardBrowsersPage() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), SearchTopWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

class SkinControlTest : public HalvaneAppTest {
protected:
    SkinControlTest() : record_(dir_.file("skin-calls.txt")) {}

    void SetUp() override {
        ASSERT_EQ(0u, testkit::Regsvr32(RecordingSkinPath(), false)) << RecordingSkinPath();
        SetEnvironmentVariableA(kSkinRecordVariable, record_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableA(kSkinRecordVariable, nullptr);
        EXPECT_EQ(0u, testkit::Regsvr32(RecordingSkinPath(), true));
    }

    // The control object that drew `window` with Title.skn loaded into it
    // beforehand; "" when none did.
    std::string TitleSkinner(HWND window) const {
        const std::string titleSkin = seams_.programFolder + "\\Title.skn";
        std::map<std::string, std::string> loaded;
        std::istringstream lines(dir_.read("skin-calls.txt"));
        std::string object, method, arguments;
        while (lines >> object >> method && std::getline(lines, arguments)) {
            arguments.erase(0, 1);
            if (method == "LoadSkin") loaded[object] = arguments;
            if (method == "ApplySkin" && arguments == SkinWindowText(window) &&
                loaded[object] == titleSkin) {
                return object;
            }
        }
        return "";
    }

    // The main window and its pages, each shown in turn: who skinned them.
    std::vector<std::string> MainWindowSkinners() const {
        std::vector<std::string> skinners{TitleSkinner(Sheet())};
        for (int page : {kPopupPage, kActiveXPage, kOptionsPage})
            skinners.push_back(TitleSkinner(ShowPage(page)));
        return skinners;
    }

    std::string record_;
};

}  // namespace

TEST_F(SkinControlTest, OnAFirstRunTheWizardAndThePagesShareTheSkinLoadedAtStart) {
    SetValue("FirstRun", 1);
    SetValue("ShowAtStart", 1);
    SetValue("Wizard Message", "A");
    ON_CALL(prompt_, Show(HasSubstr("start the wizard"), _, _)).WillByDefault(Return(IDYES));
    HWND wizard = nullptr;
    std::vector<std::string> skinners;
    RunWith([&] {
        if (!wizard) {
            HWND page = WizardBrowsersPage();
            if (!page) return false;
            wizard = GetParent(page);
            skinners = {TitleSkinner(wizard), TitleSkinner(page)};
            PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            return false;
        }
        if (IsWindow(wizard) || !Sheet()) return false;
        for (const std::string& skinner : MainWindowSkinners()) skinners.push_back(skinner);
        EndProgram();
        return true;
    });
    ASSERT_EQ(6u, skinners.size());
    EXPECT_NE("", skinners[0]);
    EXPECT_THAT(skinners, Each(skinners[0]));
}

TEST_F(SkinControlTest, TheWizardsFinishPageIsSkinnedAsTheOthers) {
    SetValue("FirstRun", 1);
    SetValue("Wizard Message", "A");
    ON_CALL(prompt_, Show(HasSubstr("start the wizard"), _, _)).WillByDefault(Return(IDYES));
    HWND wizard = nullptr;
    std::vector<std::string> skinners;
    const auto click = [](HWND page, int id) {
        CheckDlgButton(page, id, BST_CHECKED);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
    };
    RunWith([&] {
        if (!wizard) {
            HWND page = WizardBrowsersPage();
            if (!page) return false;
            wizard = GetParent(page);
            skinners.push_back(TitleSkinner(page));
            click(page, IDC_BROWSERS_IE);
            SendMessageA(wizard, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
            click(PropSheet_GetCurrentPageHwnd(wizard), IDC_PROXY_LAN);
            SendMessageA(wizard, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
            skinners.push_back(TitleSkinner(PropSheet_GetCurrentPageHwnd(wizard)));
            PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            return false;
        }
        if (IsWindow(wizard) || !Sheet()) return false;
        EndProgram();
        return true;
    });
    ASSERT_EQ(2u, skinners.size());
    EXPECT_NE("", skinners[0]);
    EXPECT_EQ(skinners[0], skinners[1]);
}

TEST_F(SkinControlTest, WithTheTrayNoticeOffThePagesAreSkinned) {
    std::vector<std::string> skinners;
    RunWith([&] {
        if (!Sheet()) return false;
        skinners = MainWindowSkinners();
        EndProgram();
        return true;
    });
    ASSERT_EQ(4u, skinners.size());
    EXPECT_NE("", skinners[0]);
    EXPECT_THAT(skinners, Each(skinners[0]));
}

}  // namespace popup
