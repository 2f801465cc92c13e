// CTracePage: the third page of the main window, what the browser's URL
// cache keeps about the sites a user visited.
#pragma once
#include "platform/ui/dialog.h"

namespace privacy {

class CTracePage : public ui::Dialog {
public:
    CTracePage();
};

}  // namespace privacy
