// The algorithm editor's window over its model: typed patterns reach the
// selected row formatted, buttons without a selected pass say so, and Save
// refuses a duplicate yet ends with the save result once the name is free.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/ui/tests/recording_prompt.h"
#include "platform/ui/tests/ui_driver.h"
#include "shredder/pages/algorithm_editor_dlg.h"
#include "shredder/res/algorithm_editor_dlg_res.h"

namespace shredder {
namespace {

using ui::testing::RecordingPrompt;

class RecordingStore : public AlgorithmStore {
public:
    bool Save(const Algorithm& algorithm) override {
        saved.push_back(algorithm.name);
        return true;
    }
    bool Delete(const std::string&) override { return true; }
    std::vector<std::string> saved;
};

std::string RowText(HWND dialog, int row) {
    char text[128] = {};
    ListView_GetItemText(GetDlgItem(dialog, IDC_EDITOR_PASSES), row, 1, text, sizeof text);
    return text;
}

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// An editor for a new algorithm beside the built-in ones, over a recording
// store and prompt.
class EditorWindow : public ::testing::Test {
protected:
    EditorWindow() {
        InitCommonControls();
        AddBuiltInAlgorithms(table);
    }

    AlgorithmTable table;
    RecordingStore store;
    RecordingPrompt prompt;
    ShredLog log;
    Messenger messenger{prompt, log};
    ShredderTexts texts;
    CSkin skin;
    CAlgorithmEditorDlg editor{table, store, -1, texts, messenger, skin};
};

TEST_F(EditorWindow, PatternTypingAndSave) {
    table.push_back({"Mine", "my own", {{PassKind::Random, {}}}, true});

    std::string typedRow;
    uitest::Watchdog watchdog{8000};
    uitest::Steps steps({
        [&] { return editor.Handle() != nullptr; },
        [&] {
            Click(editor.Handle(), IDC_EDITOR_DELETE_PASS);
            Click(editor.Handle(), IDC_EDITOR_ADD_PASS);
            HWND pattern = GetDlgItem(editor.Handle(), IDC_EDITOR_PATTERN);
            SetFocus(pattern);
            SetWindowTextA(pattern, "ABC");
            typedRow = RowText(editor.Handle(), 0);
            SetDlgItemTextA(editor.Handle(), IDC_EDITOR_NAME, "MINE");
            SetDlgItemTextA(editor.Handle(), IDC_EDITOR_DESCRIPTION, "d");
            Click(editor.Handle(), IDC_EDITOR_SAVE);
            SetDlgItemTextA(editor.Handle(), IDC_EDITOR_NAME, "Fresh");
            Click(editor.Handle(), IDC_EDITOR_SAVE);
            return true;
        },
    });
    EXPECT_EQ(IDC_EDITOR_SAVE, editor.DoModal());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ("0A BC", typedRow);
    ASSERT_EQ(2u, prompt.texts.size());
    EXPECT_EQ(0u, prompt.texts[0].find("There's no selected pass"));
    EXPECT_EQ(0u, prompt.texts[1].find("There's an algorithm with the same name"));
    EXPECT_EQ((std::vector<std::string>{"Fresh"}), store.saved);
    ASSERT_EQ(7u, table.size());
    EXPECT_EQ((std::vector<unsigned char>{0xBC, 0x0A}), table[6].passes[0].pattern);
}

// Enter in the name or description box neither saves nor ends the dialog:
// the edits stay until Save or Cancel.
TEST_F(EditorWindow, EnterKeepsTheDialogAndItsEdits) {
    std::vector<bool> open;
    const auto enterIn = [&](int id) {
        HWND box = GetDlgItem(editor.Handle(), id);
        SetFocus(box);
        SetWindowTextA(box, "typed");
        PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
        return true;
    };
    const auto stillOpen = [&](int id) {
        char text[32] = {};
        GetDlgItemTextA(editor.Handle(), id, text, sizeof text);
        open.push_back(std::string(text) == "typed");
        return true;
    };
    uitest::Watchdog watchdog{8000};
    uitest::Steps steps({
        [&] { return editor.Handle() != nullptr; },
        [&] { return enterIn(IDC_EDITOR_NAME); },
        [&] { return stillOpen(IDC_EDITOR_NAME); },
        [&] { return enterIn(IDC_EDITOR_DESCRIPTION); },
        [&] { return stillOpen(IDC_EDITOR_DESCRIPTION); },
        [&] {
            Click(editor.Handle(), IDCANCEL);
            return true;
        },
    });
    EXPECT_EQ(IDCANCEL, editor.DoModal());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ((std::vector<bool>{true, true}), open);
    EXPECT_TRUE(store.saved.empty());
}

}  // namespace
}  // namespace shredder
