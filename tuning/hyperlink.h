#pragma once
// The main dialog's link to the maker's web site: the shared link control
// with this program's colours (red, teal once clicked until the focus
// leaves, purple once visited) and hover colouring.
#include "platform/ui/widgets/hyperlink.h"

namespace tuning {

class CHyperLink : public ui::HyperLink {
public:
    CHyperLink();
};

}  // namespace tuning
