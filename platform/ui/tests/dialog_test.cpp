// Dialogs: modal and modeless runs, command binding, the message filter in
// a modal loop, field exchange and the program's dialog colours.
#include "platform/ui/app.h"
#include "platform/ui/controls.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/dialog.h"
#include "platform/ui/tests/ui_driver.h"
#include "platform/ui/tests/ui_test_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kFiltered = WM_APP + 7;

class TimedDialog : public ui::Dialog {
public:
    TimedDialog() : Dialog(IDD_PLAIN) {}
    int filtered = 0;
    int reachedProcedure = 0;

    bool PreTranslateMessage(MSG& msg) override {
        if (msg.message == kFiltered) {
            ++filtered;
            return true;
        }
        return Dialog::PreTranslateMessage(msg);
    }

protected:
    bool OnInitDialog() override {
        Post(kFiltered);
        SetTimer(7, 30);
        return Dialog::OnInitDialog();
    }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
        case kFiltered:
            ++reachedProcedure;
            return 0;
        case WM_TIMER:
            if (wp == 7) {
                KillTimer(7);
                EndDialog(42);
            }
            return 0;
        }
        return Dialog::WindowProc(msg, wp, lp);
    }
};

TEST(Dialog, ModalRunEndsWithTheCodeGivenFromATimerAndHonoursTheFilter) {
    uitest::Watchdog watchdog;
    TimedDialog dialog;
    EXPECT_EQ(42, dialog.DoModal());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(1, dialog.filtered);
    EXPECT_EQ(0, dialog.reachedProcedure);
    EXPECT_EQ(nullptr, dialog.Handle());
}

class CommandDialog : public ui::Dialog {
public:
    CommandDialog() : Dialog(IDD_PLAIN), ping_(ui::RegisterMessage("VelmoraTestPing")) {}
    std::vector<std::string> received;
    bool finished = false;

protected:
    bool OnCommand(UINT id, UINT code, HWND control) override {
        switch (id) {
        case IDC_GO:
            if (code == BN_CLICKED) received.push_back("go");
            return true;
        }
        return Dialog::OnCommand(id, code, control);
    }
    void OnCancel() override {
        received.push_back("cancel");
        Dialog::OnCancel();
    }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == ping_) {
            received.push_back("ping " + std::to_string(wp));
            return 5;
        }
        return Dialog::WindowProc(msg, wp, lp);
    }
    void OnFinalMessage() override { finished = true; }

private:
    UINT ping_;
};

TEST(Dialog, ModelessHandlersGetExactlyTheirMessages) {
    CommandDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND hwnd = dialog.Handle();
    EXPECT_EQ(&dialog, ui::Window::FromHandle(hwnd));

    SendMessageA(dialog.Item(IDC_GO), BM_CLICK, 0, 0);
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_GO, BN_CLICKED), reinterpret_cast<LPARAM>(dialog.Item(IDC_GO)));
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_LABEL, STN_CLICKED), 0);
    EXPECT_EQ(5, SendMessageA(hwnd, ui::RegisterMessage("VelmoraTestPing"), 3, 0));
    EXPECT_EQ((std::vector<std::string>{"go", "go", "ping 3"}), dialog.received);

    SendMessageA(dialog.Item(IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_EQ("cancel", dialog.received.back());
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(dialog.finished);
    EXPECT_EQ(nullptr, dialog.Handle());
    EXPECT_EQ(nullptr, ui::Window::FromHandle(hwnd));
}

TEST(Dialog, ModelessDialogGetsItsKeyboardInterfaceThroughTheFilter) {
    CommandDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND hwnd = dialog.Handle();
    SetForegroundWindow(hwnd);
    SetFocus(dialog.Item(IDC_GO));
    PostMessageA(dialog.Item(IDC_GO), WM_KEYDOWN, VK_ESCAPE, 0);
    uitest::Pump(100);
    EXPECT_EQ((std::vector<std::string>{"cancel"}), dialog.received);
    EXPECT_FALSE(IsWindow(hwnd));
}

class FieldsDialog : public ui::Dialog {
public:
    FieldsDialog() : Dialog(IDD_FIELDS) {}
    std::string name = "abc";
    int number = 12;
    int flag = BST_CHECKED;
    int choice = 1;
    ui::Edit nameEdit;

protected:
    void DoDataExchange(ui::DataExchange& exchange) override {
        exchange.Control(IDC_NAME, nameEdit);
        exchange.Text(IDC_NAME, name, 8);
        exchange.Int(IDC_NUMBER, number, 0, 255);
        exchange.Check(IDC_FLAG, flag);
        exchange.Radio(IDC_R1, choice);
    }
};

TEST(DataExchange, EveryKindMakesTheRoundTrip) {
    FieldsDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ("abc", dialog.GetItemText(IDC_NAME));
    EXPECT_EQ("12", dialog.GetItemText(IDC_NUMBER));
    EXPECT_EQ(BST_CHECKED, SendMessageA(dialog.Item(IDC_FLAG), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_CHECKED, SendMessageA(dialog.Item(IDC_R2), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(dialog.Item(IDC_R1), BM_GETCHECK, 0, 0));
    EXPECT_EQ(dialog.Item(IDC_NAME), dialog.nameEdit.Handle());
    EXPECT_EQ(8, SendMessageA(dialog.Item(IDC_NAME), EM_GETLIMITTEXT, 0, 0));

    dialog.SetItemText(IDC_NAME, "xyz");
    dialog.SetItemText(IDC_NUMBER, " 255 ");
    SendMessageA(dialog.Item(IDC_FLAG), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(dialog.Item(IDC_R2), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(dialog.Item(IDC_R3), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(dialog.Item(IDC_AFTER), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ("xyz", dialog.name);
    EXPECT_EQ(255, dialog.number);
    EXPECT_EQ(BST_UNCHECKED, dialog.flag);
    EXPECT_EQ(2, dialog.choice);

    // No radio of the group checked reads as -1; the next group is not part of it.
    SendMessageA(dialog.Item(IDC_R3), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(-1, dialog.choice);
}

TEST(DataExchange, OutOfRangeIntegerIsRefusedWithTheRangePrompt) {
    uitest::Watchdog watchdog;
    FieldsDialog dialog;
    std::string prompt;
    INT_PTR result = 0;
    uitest::Steps steps({
        [&] {
            dialog.SetItemText(IDC_NUMBER, "256");
            dialog.Post(WM_COMMAND, IDOK);
            return true;
        },
        [&] { return uitest::AnswerMessageBox(IDOK, &prompt); },
        [&] {
            if (uitest::FindMessageBox()) return false;
            EXPECT_EQ(dialog.Item(IDC_NUMBER), GetFocus());
            dialog.SetItemText(IDC_NUMBER, "7");
            dialog.Post(WM_COMMAND, IDOK);
            return true;
        },
    });
    result = dialog.DoModal();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Please enter an integer between 0 and 255.", prompt);
    EXPECT_EQ(7, dialog.number);
}

TEST(DataExchange, TextBeyondMaxCharsAndNonNumbersAreRefused) {
    uitest::Watchdog watchdog;
    FieldsDialog dialog;
    ASSERT_TRUE(dialog.Create());
    // The limit only binds typing; text set by a program can be longer.
    dialog.SetItemText(IDC_NAME, "123456789");
    std::vector<std::string> prompts;
    auto answer = [&] {
        std::string text;
        bool answered = uitest::AnswerMessageBox(IDOK, &text);
        if (answered) prompts.push_back(text);
        return answered;
    };
    uitest::Steps steps({answer, answer});
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ("abc", dialog.name);
    dialog.SetItemText(IDC_NAME, "12345678");
    dialog.SetItemText(IDC_NUMBER, "12x");
    dialog.number = 99;
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ("12345678", dialog.name);
    EXPECT_EQ(99, dialog.number);
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_EQ(2u, prompts.size());
    EXPECT_EQ("Please enter no more than 8 characters.", prompts[0]);
    EXPECT_EQ("Please enter an integer between 0 and 255.", prompts[1]);
}

class PlainApp : public ui::App {
public:
    int exits = 0;

protected:
    bool InitInstance() override { return false; }
    int ExitInstance() override {
        ++exits;
        return 3;
    }
};

TEST(App, DialogsTakeTheProgramColours) {
    PlainApp app;
    app.SetDialogColors(RGB(77, 115, 148), RGB(255, 255, 255));
    CommandDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HDC dc = GetDC(dialog.Handle());
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(dialog.Handle(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog.Handle())));
    ASSERT_NE(nullptr, brush);
    LOGBRUSH info = {};
    GetObjectA(brush, sizeof(info), &info);
    EXPECT_EQ(RGB(77, 115, 148), info.lbColor);
    SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(dialog.Item(IDC_LABEL)));
    EXPECT_EQ(RGB(255, 255, 255), GetTextColor(dc));
    // Edits keep the system colours.
    EXPECT_NE(reinterpret_cast<LRESULT>(brush),
              SendMessageA(dialog.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(dialog.Item(IDC_GO))));
    ReleaseDC(dialog.Handle(), dc);
}

TEST(App, RunWithoutMainWindowEndsThroughExitInstance) {
    PlainApp app;
    EXPECT_EQ(&app, ui::App::Current());
    EXPECT_EQ(3, app.Run(GetModuleHandleA(nullptr), "/x", SW_SHOW));
    EXPECT_EQ(1, app.exits);
    EXPECT_EQ("/x", app.CommandLine());
    std::string path = app.ModulePath();
    EXPECT_EQ(app.ProgramFolder() + "\\ui_tests.exe", path);
}

}  // namespace
