// CCorbeltApp: Corbelt's application object. It prepares the skin and runs
// the main window modally; when that window's loop ends, the program ends.
#pragma once
#include <string>

#include "platform/ui/app.h"

namespace privacy {

class CCorbeltApp : public ui::App {
public:
    CCorbeltApp();
    // The program file's full path, read once when the object is built.
    const std::string& ProgramPath() const { return programPath_; }

protected:
    bool InitInstance() override;

private:
    std::string programPath_;
};

}  // namespace privacy
