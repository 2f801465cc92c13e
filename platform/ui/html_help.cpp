#include "platform/ui/html_help.h"

#include <htmlhelp.h>

namespace ui {
namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The viewer's library, kept from the first use to the end of the program.
class Viewer {
public:
    ~Viewer() {
        if (!library_) return;
        if (function_) function_(nullptr, nullptr, HH_CLOSE_ALL, 0);
        FreeLibrary(library_);
    }
    HtmlHelpFunction Function() {
        if (!library_) {
            library_ = LoadLibraryA("hhctrl.ocx");
            if (library_) {
                function_ = reinterpret_cast<HtmlHelpFunction>(
                    reinterpret_cast<void*>(GetProcAddress(library_, "HtmlHelpA")));
            }
        }
        return function_;
    }
    bool Loaded() const { return function_ != nullptr; }

private:
    HMODULE library_ = nullptr;
    HtmlHelpFunction function_ = nullptr;
};

Viewer& TheViewer() {
    static Viewer viewer;
    return viewer;
}

}  // namespace

bool OpenHtmlHelp(HWND owner, const std::string& file, UINT command, DWORD_PTR data) {
    if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    HtmlHelpFunction function = TheViewer().Function();
    return function && function(owner, file.c_str(), command, data) != nullptr;
}

void CloseHtmlHelp() {
    if (TheViewer().Loaded()) TheViewer().Function()(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

}  // namespace ui
