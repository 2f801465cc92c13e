#pragma once
// The user's folders the privacy program works in, and deleting what
// matches a pattern in a folder. Existence checks and listings are the
// shared ones of common/files (attribute and find calls: the process's
// current folder never changes while proxy threads run).
#include <string>

namespace privacy {

// The parent of the user's desktop folder (the folder that holds
// "Desktop", "Cookies", "Recent"); "" when the system names none.
std::string ProfileFolder();
// The user's application-data folder as the system names it; on a system
// that names none, "Application Data" in the profile folder.
std::string AppDataFolder();
// A special folder (a CSIDL value) through the calls every shell version
// has; "" when the system names none.
std::string SpecialFolder(int csidl);

// Deletes everything matching folder\pattern (files and subfolders, with
// their contents) without confirmation, progress or undo. A link inside is
// removed as itself, never followed; an entry whose name the ANSI code page
// cannot hold (and that has no short name) is left where it is.
void DeleteFolderFiles(const std::string& folder, const std::string& pattern);

}  // namespace privacy
