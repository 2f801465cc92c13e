#pragma once
// The two subfolder choices of folder shredding, as the Sub Folder Options
// dialog edits them and the settings keep them in `Folder` and `Remove`:
// 0 never, 1 prompt, 2 always. Window-free.
#include <windows.h>

namespace shredder {

enum SubFolderChoice { kChoiceNever = 0, kChoicePrompt = 1, kChoiceAlways = 2 };

struct SubFolderOptions {
    int folder = kChoiceNever;  // shred the contents of subfolders
    int remove = kChoiceNever;  // remove subfolders after shredding them
};

// Removing subfolders means something only when they are shredded at all:
// the remove choice is offered only then.
inline bool RemoveChoiceEnabled(const SubFolderOptions& options) {
    return options.folder != kChoiceNever;
}

// A stored value outside the three choices reads as never.
inline bool ValidChoice(DWORD value) { return value <= kChoiceAlways; }

// Edits the options in place (the dialog, or a test's answer); false when
// the user cancelled, leaving them as they were.
class SubFolderOptionsPrompt {
public:
    virtual ~SubFolderOptionsPrompt() = default;
    virtual bool EditSubFolderOptions(SubFolderOptions& options) = 0;
};

}  // namespace shredder
