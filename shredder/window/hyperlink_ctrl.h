#pragma once
// The About box's web link: the UI layer's link (underlined, hand cursor,
// hover tracking) in this program's colours, red until visited, with a
// tool tip of its own text (tool 1001) instead of the address; the site
// opens minimised.
#include <windows.h>

#include <string>

#include "platform/ui/widgets/hyperlink.h"

namespace shredder {

constexpr UINT_PTR kLinkToolId = 1001;

class CHyperLinkCtrl : public ui::HyperLink {
public:
    CHyperLinkCtrl();

    // Binds the dialog's static `id`; the tip stays hidden until enabled.
    bool Attach(HWND dialog, int id);
    void SetVisitedColour(COLORREF colour);
    void EnableToolTip(bool enable);
    // Only while tips are enabled.
    void SetToolTipText(const std::string& text);
    void SetToolTipBkColour(COLORREF colour);
    void SetToolTipTextColour(COLORREF colour);

private:
    Colors LinkColors(COLORREF visited) const;

    bool tipEnabled_ = false;
    std::string tipText_;
};

}  // namespace shredder
