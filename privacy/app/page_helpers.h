// What the pages and dialogs of the main window share: texts of dialog items
// from the language table, the report lists of the Sites and Events pages,
// and the answers of a page that shows the skin through its background.
#pragma once
#include <windows.h>

#include <initializer_list>

#include "privacy/look/striped_list.h"

namespace privacy {

// A dialog item and the language key of its text.
struct ItemText {
    int id;
    int key;
};
void ApplyItemTexts(HWND dialog, std::initializer_list<ItemText> texts);

// A list column: width in pixels and the language key of its title.
struct ListColumn {
    int width;
    int key;
};
// Binds list `id` of `page` as a report list with single selection that
// keeps its selection visible, grid lines, column drag and drop and
// full-row selection, with the context menu and commands given and the
// columns with empty titles.
void PrepareReportList(CStripedListCtrl& list, int id, HWND page, int menu, int openCommand,
                       int deleteCommand, std::initializer_list<ListColumn> columns);
// The columns' titles from the language table.
void ApplyColumnTitles(CStripedListCtrl& list, std::initializer_list<ListColumn> columns);
// The item data of the selected row; -1 without a selection.
int SelectedData(const CStripedListCtrl& list);

// The answer of a page to WM_ERASEBKGND and WM_CTLCOLOR*: the page keeps
// the skin painted under it, and static texts draw over it transparently.
// True when `msg` was answered.
bool AnswerSeeThrough(UINT msg, WPARAM wp, LRESULT& result);

}  // namespace privacy
