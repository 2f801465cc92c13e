// CWipePage: the fourth page of the main window, clearing the traces the
// browser and the shell keep in the user's profile. The wipe ticks live in
// the settings of `sites` and are saved with them.
#pragma once
#include "platform/ui/dialog.h"
#include "privacy/core/site_list.h"

namespace privacy {

class CWipePage : public ui::Dialog {
public:
    explicit CWipePage(SiteList& sites);

private:
    SiteList& sites_;
};

}  // namespace privacy
