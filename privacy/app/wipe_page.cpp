#include "privacy/app/wipe_page.h"

#include "privacy/app/page_helpers.h"
#include "privacy/app/res/wipe_page_res.h"
#include "privacy/look/language_texts.h"
#include "privacy/look/look_messages.h"
#include "privacy/wipe/system_wipe.h"

namespace privacy {
namespace {

// Each item's check box and the language key of its text.
struct WipeBox {
    WipeItem item;
    int box;
    int key;
};
const WipeBox kBoxes[] = {
    {kWipeHistory, IDC_WIPE_HISTORY, 39},        {kWipeCookies, IDC_WIPE_COOKIES, 40},
    {kWipeTempFiles, IDC_WIPE_TEMP_FILES, 41},   {kWipeRecent, IDC_WIPE_RECENT, 42},
    {kWipeOfficeRecent, IDC_WIPE_OFFICE_RECENT, 43}, {kWipeRecycleBin, IDC_WIPE_RECYCLE_BIN, 44}};

const WipeBox* BoxOf(WipeItem item) {
    for (const WipeBox& b : kBoxes) {
        if (b.item == item) return &b;
    }
    return nullptr;
}

}  // namespace

CWipePage::CWipePage(SiteList& sites) : Dialog(IDD_WIPE_PAGE), sites_(sites) {}

bool CWipePage::OnInitDialog() {
    Dialog::OnInitDialog();
    prompt_.SetOwner(GetParent(Handle()));
    TagForLanguage(Handle());
    clear_.BindDlgItem(IDC_WIPE_CLEAR, Handle());
    const PrivacySettings settings = sites_.Snapshot();
    for (const WipeBox& b : kBoxes) {
        CheckDlgButton(Handle(), b.box, settings.wipe[b.item] != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    return true;
}

void CWipePage::StoreTick(int item, int box) {
    const int ticked = Checked(box) ? 1 : 0;
    sites_.Edit([&](PrivacySettings& settings) { settings.wipe[item] = ticked; });
}

void CWipePage::ClearTicked() {
    const PrivacySettings settings = sites_.Snapshot();
    SystemFolderEraser eraser;
    SystemCacheEraser cache;
    SystemRecycleBin bin;
    const std::vector<WipeItem> left =
        ClearSelectedItems(settings.wipe, WipeTools{SystemTraceFolders(), eraser, cache, bin});
    if (left.empty()) return;
    std::string text = Text(kTextNotCleared) + "\n";
    for (WipeItem item : left) text += "\n" + Text(BoxOf(item)->key);
    prompt_.Show(text, Text(1), MB_OK | MB_ICONWARNING);
}

bool CWipePage::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_WIPE_CLEAR) {
        ClearTicked();
        return true;
    }
    for (const WipeBox& b : kBoxes) {
        if (static_cast<int>(id) == b.box) {
            StoreTick(b.item, b.box);
            return true;
        }
    }
    return Dialog::OnCommand(id, code, control);
}

LRESULT CWipePage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (AnswerSeeThrough(Handle(), msg, wp, result)) return result;
    if (msg == WM_LANGUAGE_CHANGED) {
        ApplyItemTexts(Handle(), {{IDC_WIPE_CLEAR, 37}, {IDC_WIPE_LABEL, 38}});
        for (const WipeBox& b : kBoxes) SetDlgItemTextA(Handle(), b.box, Text(b.key).c_str());
        return 0;
    }
    return Dialog::WindowProc(msg, wp, lp);
}

}  // namespace privacy
