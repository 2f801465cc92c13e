#pragma once
// What the context menu knows of the shredder: its folder (`AppPath`) and
// language, read once per load of the library, on first use.
#include <string>

namespace shellmenu {

struct MenuSettings {
    std::string appPath;   // "" when the shredder never ran interactively
    std::string language;  // "English" when missing or empty
};

const MenuSettings& Settings();

// The menu item's text: key 9606 of the shredder's language file.
std::string MenuItemText();
// The notice that the shredder's program is not where `AppPath` says (key
// 9187 of the same file, "%s" the program's path) and its caption.
std::string MissingProgramText(const std::string& program);
// The notice that a selected path has no spelling the shredder can be
// given (key 9190, "%s" the path as shown).
std::string UnnamedPathText(const std::string& shown);

}  // namespace shellmenu
