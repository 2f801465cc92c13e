#pragma once
// The Wipe page's tools on the real system: the trace folders the shell
// names for the current user, the shell's permanent folder deletion, the
// browser's URL cache and the Recycle Bin.
#include "privacy/wipe/wipe_kinds.h"

namespace privacy {

// Cookies, Recent and History from the shell's special-folder calls, Office's
// recent list below the application-data folder. On a system that names no
// such folder, the same folder in the profile folder; an empty string when
// the profile folder is unknown too (that kind then refuses).
TraceFolders SystemTraceFolders();

class SystemFolderEraser final : public IFolderEraser {
public:
    void EraseContents(const std::string& folder) override;
};

class SystemCacheEraser final : public ICacheEraser {
public:
    void DeleteCookies() override;
    void DeleteTempFiles() override;
    void DeleteHistory() override;
};

// The shell's empty-bin call where the system has it (it came with later
// shell versions).
class SystemRecycleBin final : public IRecycleBin {
public:
    bool Empty() override;
};

}  // namespace privacy
