// Every window of the program drawn by the one skin control the options
// page made: a recording stand-in, registered under the control's class id,
// shows which object skinned which window after loading the skin file.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/testkit/scratch.h"
#include "platform/ui/tests/skin_record.h"
#include "platform/ui/tests/ui_driver.h"
#include "shredder/pages/algorithm_editor_dlg.h"
#include "shredder/pages/alert_dlg.h"
#include "shredder/pages/drive_options_dlg.h"
#include "shredder/pages/sub_folder_options_dlg.h"
#include "shredder/shredder_app.h"
#include "shredder/task_name_dlg.h"
#include "shredder/window/about_dlg.h"
#include "shredder/window/my_property_sheet.h"

namespace shredder {
namespace {

using uitest::kSkinRecordVariable;
using uitest::RecordingSkinPath;
using uitest::SkinWindowText;

class QuietTray : public NotifyIconApi {
public:
    bool Notify(DWORD, NOTIFYICONDATAA&) override { return true; }
};

class NoWindows : public WindowFinder {
public:
    HWND FindTopLevel(const std::string&) override { return nullptr; }
};

// The progress window over the program's skin.
class SkinHost : public ProgressHost {
public:
    explicit SkinHost(CSkin& skin) : skin_(skin) {}
    HWND SheetWindow() override { return nullptr; }
    void ProgressShown(bool) override {}
    bool& AbortFlag() override { return abort_; }
    CSkin& Skin() override { return skin_; }

private:
    CSkin& skin_;
    bool abort_ = false;
};

// Runs a modal dialog and closes it with Cancel once it is up (after
// `whenShown`, if given); its window.
HWND ShownAndClosed(const ui::Dialog& dialog, const std::function<void()>& run,
                    const std::function<void(HWND)>& whenShown = nullptr) {
    HWND seen = nullptr;
    uitest::Watchdog watchdog{8000};
    uitest::Steps steps({[&] {
        seen = dialog.Handle();
        if (!seen) return false;
        if (whenShown) whenShown(seen);
        PostMessageA(seen, WM_COMMAND, IDCANCEL, 0);
        return true;
    }});
    run();
    EXPECT_FALSE(watchdog.Fired());
    return seen;
}

class SkinnedWindows : public ::testing::Test {
protected:
    SkinnedWindows() : dir_("shred-skin"), record_(dir_.file("skin-calls.txt")) {}

    void SetUp() override {
        ASSERT_EQ(0u, testkit::Regsvr32(RecordingSkinPath(), false)) << RecordingSkinPath();
        SetEnvironmentVariableA(kSkinRecordVariable, record_.c_str());
        CoInitialize(nullptr);
    }
    void TearDown() override {
        CoUninitialize();
        SetEnvironmentVariableA(kSkinRecordVariable, nullptr);
        EXPECT_EQ(0u, testkit::Regsvr32(RecordingSkinPath(), true));
    }

    // The object that loaded a skin file and then made `call` ("ApplySkin
    // <window>" or "ApplySkinByName <window> <element>"); "" when none did.
    std::string Skinner(const std::string& call) const {
        std::vector<std::string> loaded;
        std::istringstream lines(dir_.read("skin-calls.txt"));
        std::string object, method, arguments;
        while (lines >> object >> method && std::getline(lines, arguments)) {
            const std::string made = method + arguments;
            if (method == "LoadSkin") loaded.push_back(object);
            for (const std::string& loader : loaded)
                if (loader == object && made == call) return object;
        }
        return "";
    }

    testkit::ScratchDir dir_;
    std::string record_;
};

TEST_F(SkinnedWindows, EveryPageAndDialogAsksTheSheetsSkin) {
    std::vector<std::string> skinned;  // "ApplySkin <window>" calls expected
    std::string aboutWindow, aboutOk;
    {
        CShredderApp app(nullptr);
        QuietTray tray;
        NoWindows finder;
        CMyPropertySheet sheet(app, &tray, &finder);
        ASSERT_TRUE(sheet.CreateHidden());
        skinned.push_back(SkinWindowText(sheet.Handle()));
        for (int page = 0; page < sheet.GetPageCount(); ++page) {
            sheet.SetActivePage(page);
            skinned.push_back(SkinWindowText(sheet.GetPage(page)->Handle()));
        }
        CSkin& skin = app.Skin();

        SkinHost host(skin);
        CProgressDlg progress(app.Texts(), host);
        ASSERT_TRUE(progress.OpenProgress());
        skinned.push_back(SkinWindowText(progress.Handle()));
        progress.CloseProgress();

        CAlertDlg alert(app.Texts(), skin, sheet.Handle());
        skinned.push_back(SkinWindowText(ShownAndClosed(alert, [&] { alert.ShowAlert(kAlertRecycleBin); })));
        CSubFolderOptionsDlg subFolders(app.Texts(), skin, app.AppPath(), sheet.Handle());
        SubFolderOptions options;
        skinned.push_back(SkinWindowText(
            ShownAndClosed(subFolders, [&] { subFolders.EditSubFolderOptions(options); })));
        CDriveOptionsDlg driveOptions(skin);
        bool freeSpace = false, format = false;
        skinned.push_back(SkinWindowText(ShownAndClosed(
            driveOptions, [&] { driveOptions.Choose("C:\\", "NTFS", freeSpace, format); })));
        RegistryAlgorithmStore store;
        CAlgorithmEditorDlg editor(app.Algorithms(), store, -1, app.Texts(), app.Messages(), skin);
        skinned.push_back(SkinWindowText(ShownAndClosed(editor, [&] { editor.DoModal(sheet.Handle()); })));
        CTaskNameDlg taskName(app.Schedule(), app.Job(), app.Texts(), app.Messages(), skin,
                              sheet.Handle());
        std::string name;
        skinned.push_back(SkinWindowText(ShownAndClosed(taskName, [&] { taskName.AskTaskName(name); })));

        CAboutDlg about(app.Texts(), skin);
        aboutWindow = SkinWindowText(ShownAndClosed(
            about, [&] { about.DoModal(sheet.Handle()); },
            [&](HWND window) { aboutOk = SkinWindowText(GetDlgItem(window, IDOK)); }));
        sheet.DeleteTrayIcon();
        skin.Release();
    }
    const std::string skinner = Skinner("ApplySkin " + skinned[0]);
    ASSERT_NE("", skinner) << dir_.read("skin-calls.txt");
    for (size_t i = 1; i < skinned.size(); ++i)
        EXPECT_EQ(skinner, Skinner("ApplySkin " + skinned[i])) << "window " << i;
    EXPECT_EQ(skinner, Skinner("ApplySkinByName " + aboutWindow + " Main"));
    EXPECT_EQ(skinner, Skinner("ApplySkinByName " + aboutOk + " Button"));
}

}  // namespace
}  // namespace shredder
