#include "tuning/hyperlink.h"

namespace tuning {

CHyperLink::CHyperLink() : ui::HyperLink(kUnderline | kSizeToText | kFocusOnClick | kHoverColor) {
    Colors colors;
    colors.link = RGB(255, 0, 0);
    colors.hover = RGB(255, 0, 0);
    colors.active = RGB(0, 128, 128);
    colors.visited = RGB(128, 0, 128);
    SetColors(colors);
}

}  // namespace tuning
