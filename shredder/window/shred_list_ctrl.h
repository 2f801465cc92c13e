#pragma once
// The list of every page: a report-view list whose columns keep fitted to
// their widest text (header included) plus a margin, as rows come and go.
// It fits itself through the notifications its parent reflects to it.
#include "platform/ui/list_view.h"

namespace shredder {

constexpr int kColumnMargin = 15;

class CShredListCtrl : public ui::ListView {
public:
    // Widest of the header and every cell of `column` except row `skipRow`
    // (-1 skips none), plus the margin.
    void FitColumn(int column, int skipRow = -1);
    void FitColumnToHeader(int column);

protected:
    bool OnReflectedNotify(NMHDR& header, LRESULT& result) override;
};

}  // namespace shredder
