#include "privacy/look/language_texts.h"

#include <vector>

#include "common/files/whole_file.h"
#include "platform/ui/module.h"
#include "privacy/core/ini_lines.h"
#include "privacy/look/look_messages.h"

namespace privacy {
namespace {

const char* const kDefaults[kTextCount] = {
    "",
    "Velmora Veilstride", "Sites", "Events", "Trace", "Wipe", "Options", "Help",
    "Show all sites", "Hide all sites", "Hide sites subject to default options",
    "Remove all sites", "Remove sites subject to default options", "URL", "Hits",
    "Last Access", "Blocked Items", "Default", "The whole site", "Images", "Popups",
    "Info", "IP", "Clear All Events", "Type", "Time", "Connected", "Connected using hub",
    "Site is blocked", "Image is blocked", "User Info is blocked", "History", "Cookie",
    "File", "Refresh", "Address", "Site", "Clear Selected Items", "Clear these items",
    "Internet History", "Cookies", "Temporary Internet Files", "Recent Documents",
    "Recent MS Office Documents", "Recycle Bin", "Default Blocking", "Block Images",
    "Block popups", "Block user information", "Route IP through anonymous hub",
    "Supported Browsers", "Internet Explorer", "Netscape", "Opera",
    "Reselect Anonymous Hub",
    "Note 1: Close your browser before you change \"Supported Browsers\" options",
    "Note 2: Close your browser before you close this program",
    "Open Velmora Veilstride", "Exit Velmora Veilstride", "Event Information",
    "Blocking Options", "Command", "After", "Before", "Default Blocking Options",
    "Custom Blocking", "Block the whole site", "OK", "Cancel",
    "No anonymous hub", "Hub connection failed",
    "These items could not be cleared on this system:",
    "Live Update cannot run: the updater is not installed.",
    "This file from the browser's cache is not opened: a file of its type could run a "
    "program with your rights.",
    "", "", "", "", "", "",
};

// The lines of a language file as the program's own line reader finds
// them: normalised (blanks around "=" and next to commas go), ";" lines
// are comments, quotes are part of the text, and a repeated section line
// opens the section again.
IniSection LanguageSection() { return BracketedSection("[VelmoraVeilstride]"); }

struct LanguageState {
    std::string texts[kTextCount];
    std::string folder;
    std::string name = "English";
    LanguageState() {
        for (int k = 0; k < kTextCount; ++k) texts[k] = kDefaults[k];
    }
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

// Instance handles repeat between processes (every program loads at the
// same base), so the window must also belong to this process.
bool Tagged(HWND hwnd, HINSTANCE instance) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    return process == GetCurrentProcessId() &&
           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE)) == instance &&
           GetWindowLongPtrA(hwnd, GWLP_USERDATA) == kLanguageTag;
}

// Labels and boxes draw their text over whatever lies beneath: the window
// and its controls are erased, so no old text stays under a new one.
void Retext(HWND hwnd) {
    SendMessageA(hwnd, WM_LANGUAGE_CHANGED, 0, 0);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

BOOL CALLBACK RetextDescendant(HWND hwnd, LPARAM instance) {
    if (Tagged(hwnd, reinterpret_cast<HINSTANCE>(instance))) Retext(hwnd);
    return TRUE;
}

BOOL CALLBACK RetextTopLevel(HWND hwnd, LPARAM instance) {
    if (Tagged(hwnd, reinterpret_cast<HINSTANCE>(instance))) {
        Retext(hwnd);
        EnumChildWindows(hwnd, RetextDescendant, instance);  // every depth
    }
    return TRUE;
}

}  // namespace

const char* DefaultText(int key) { return key >= 0 && key < kTextCount ? kDefaults[key] : ""; }

const std::string& Text(int key) {
    static const std::string none;
    return key >= 0 && key < kTextCount ? State().texts[key] : none;
}

void SetProgramFolder(const std::string& folder) { State().folder = folder; }
const std::string& ProgramFolder() { return State().folder; }
void SetLanguageName(const std::string& name) { State().name = name; }
const std::string& LanguageName() { return State().name; }

std::string LanguageFilePath(const std::string& name) {
    return State().folder + "\\Language\\" + name + ".ini";
}

void LoadLanguageTexts(const std::string& name) {
    LanguageState& state = State();
    // Read once for all keys; no name or no file gives the defaults.
    std::string text;
    if (!name.empty()) files::ReadWholeFile(LanguageFilePath(name), text);
    for (int k = 0; k < kTextCount; ++k) {
        state.texts[k] = kDefaults[k];
        if (text.empty()) continue;
        // The first line of the key counts; its text is all after its "=".
        const std::vector<std::string> lines =
            CollectIniLines(text, LanguageSection(), std::to_string(k) + "=", "");
        if (!lines.empty()) state.texts[k] = lines.front().substr(lines.front().find('=') + 1);
    }
}

void LoadLanguage() {
    LoadLanguageTexts(State().name);
    BroadcastLanguage(ui::ResourceModule());
}

void TagForLanguage(HWND hwnd) { SetWindowLongPtrA(hwnd, GWLP_USERDATA, kLanguageTag); }

void BroadcastLanguage(HINSTANCE instance) {
    EnumWindows(RetextTopLevel, reinterpret_cast<LPARAM>(instance));
}

}  // namespace privacy
