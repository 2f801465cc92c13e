#pragma once
// The platform's choosers the list pages open: the multi-select open-file
// dialog and the folder browser.
#include <windows.h>

#include <string>
#include <vector>

#include "common/files/ansi_names.h"

namespace shredder {

// The files chosen in the open-file dialog (any number, each a full path
// under the spelling that names it; see files::NamedPaths); empty when
// cancelled.
files::NamedPaths ChooseFiles(HWND owner);

// The folder browser, limited to file-system folders, showing the selected
// folder's path as its status text. Rooted at `initialFolder` when given,
// with `selection` selected when given. False when cancelled (`result`
// emptied), or when the folder chosen has no ANSI spelling (`unnamed`, if
// given, then receives it as shown).
bool BrowseForFolder(std::string& result, const std::string& title, HWND owner,
                     const std::string& initialFolder, const std::string& selection,
                     std::string* unnamed = nullptr);

// The paths a multi-select open-file dialog returns in `buffer`: one full
// path, or the folder followed by the file names, each ended by a zero and
// the whole by a second zero.
std::vector<std::string> SplitChosenFiles(const char* buffer);

}  // namespace shredder
