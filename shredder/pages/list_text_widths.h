#pragma once
// Text widths as a list control's font draws them, for fitting its columns.
#include "platform/ui/list_view.h"
#include "shredder/pages/option_rules/column_fit.h"

namespace shredder {

class ListTextWidths : public TextWidths {
public:
    explicit ListTextWidths(const ui::ListView& list) : list_(list) {}
    int Width(const std::string& text) const override { return list_.GetStringWidth(text); }

private:
    const ui::ListView& list_;
};

}  // namespace shredder
