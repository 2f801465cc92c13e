#pragma once
// The list of a wizard page with a check box per row, showing a CheckList:
// greyed rows are drawn in light grey and refuse every tick, whether it comes
// from the mouse, the space bar or a program.
#include <functional>

#include "platform/ui/list_view.h"
#include "platform/ui/widgets/check_list.h"

namespace ui {

class CCheckListCtrl : public ListView {
public:
    // Binds the dialog's list control to `rows`; `changed` runs after every
    // tick the user makes.
    bool Bind(HWND dialog, int id, CheckList& rows, std::function<void()> changed);
    // One column with `heading` and a row per entry of the list.
    void Fill(const std::string& heading);
    // The ticks again from the list (after Check All / Uncheck All).
    void ShowTicks();

protected:
    bool OnReflectedNotify(NMHDR& header, LRESULT& result) override;

private:
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;
    // True lets the change through.
    bool OnItemChanging(const NMLISTVIEW& change);

    CheckList* rows_ = nullptr;
    std::function<void()> changed_;
    bool showing_ = false;
};

}  // namespace ui
