// CStripedListCtrl: the report list of the Sites, Events and Trace pages.
// Rows are striped in six colours by display position; a right click on a
// selected row opens a context menu, a double click and the Delete key send
// commands, and a column click sends WM_LIST_COLUMN_CLICKED to the parent.
#pragma once
#include "platform/ui/list_view.h"

namespace privacy {

class CStripedListCtrl : public ui::ListView {
public:
    // menu: a menu resource whose first submenu pops up (0: none); the two
    // commands go to the parent as WM_COMMAND (0: none).
    void SetCommands(int menuId, int doubleClickCommand, int deleteCommand);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnReflectedNotify(NMHDR& header, LRESULT& result) override;

private:
    bool OnContextMenu(LPARAM lp);
    void SendCommand(int command) const;

    int menuId_ = 0;
    int doubleClickCommand_ = 0;
    int deleteCommand_ = 0;
};

}  // namespace privacy
