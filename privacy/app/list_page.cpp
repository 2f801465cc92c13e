#include "privacy/app/list_page.h"

#include "privacy/look/language_texts.h"
#include "privacy/look/look_messages.h"

namespace privacy {
namespace {

constexpr UINT kRefreshEvery = 3000;

}  // namespace

CListPage::CListPage(int templateId, UINT_PTR timer) : Dialog(templateId), timer_(timer) {}

void CListPage::PrepareList(int id, int menu, int openCommand, int deleteCommand,
                            std::initializer_list<ListColumn> columns) {
    TagForLanguage(Handle());
    PrepareReportList(list_, id, Handle(), menu, openCommand, deleteCommand, columns);
    SetTimer(timer_, kRefreshEvery);
}

int CALLBACK CListPage::CompareRows(LPARAM a, LPARAM b, LPARAM page) {
    return reinterpret_cast<const CListPage*>(page)->CompareRecords(static_cast<size_t>(a),
                                                                    static_cast<size_t>(b));
}

void CListPage::Resort() { list_.SortItems(&CompareRows, reinterpret_cast<LPARAM>(this)); }

LRESULT CListPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (AnswerSeeThrough(Handle(), msg, wp, result)) return result;
    switch (msg) {
    case WM_LANGUAGE_CHANGED:
        OnLanguageChanged();
        return 0;
    case WM_TIMER:
        Refresh();
        return 0;
    case WM_LIST_COLUMN_CLICKED:
        sort_.Click(static_cast<int>(wp));
        Resort();
        return 0;
    }
    return Dialog::WindowProc(msg, wp, lp);
}

}  // namespace privacy
