// CCorbeltApp: Corbelt's application object. It prepares the skin and runs
// the main window modally; when that window's loop ends, the program ends.
#pragma once
#include "platform/ui/app.h"

namespace privacy {

class CCorbeltApp : public ui::App {
protected:
    bool InitInstance() override;
};

}  // namespace privacy
