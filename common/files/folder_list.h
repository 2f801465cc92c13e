#pragma once
// Folder listings through the file system's wildcard search, each entry
// under a name that reaches it: on the NT family the search runs wide and
// an entry whose name does not survive the ANSI code page is listed under
// its 8.3 short name, or, without one, not at all (see ansi_names.h).
#include <cstdint>
#include <string>
#include <vector>

struct _WIN32_FIND_DATAW;

namespace files {

struct FolderEntry {
    // The name to act on: the entry's own, or its short name. Never holds
    // a separator, so joined onto the folder it names this entry.
    std::string name;
    bool isFolder;
    // A reparse point (junction, mount point, symbolic link): the entry
    // itself, not what it leads to.
    bool isLink = false;
    uint32_t attributes = 0;
    uint64_t size = 0;
};

struct FolderListing {
    // The search started; false for a folder that cannot be read.
    bool opened = false;
    std::vector<FolderEntry> entries;
    // Entries no ANSI name reaches, as shown (see ShownAnsi): to be
    // reported, never acted on.
    std::vector<std::string> unnamed;
};

// Where listings come from: the file system, or a recorded listing.
class FolderLister {
public:
    virtual ~FolderLister() = default;
    virtual FolderListing List(const std::string& pattern) const = 0;
};
const FolderLister& SystemLister();

// The entries matching `pattern` (a path with wildcards), "." and ".."
// left out, in the order the file system gives them.
FolderListing ListFolder(const std::string& pattern);
std::vector<FolderEntry> ListMatches(const std::string& pattern);

// The folder can be read and holds nothing at all (no entry, named or not).
bool HoldsNothing(const std::string& folder);

// How one entry of a wide search is listed: true with `entry` filled, or
// false with `shown` the name no ANSI spelling reaches.
bool ListedEntry(const _WIN32_FIND_DATAW& data, FolderEntry& entry, std::string& shown);

// The names of the subfolders of `folder`, "." and ".." left out, in the
// order the file search returns them; empty when it cannot be read.
std::vector<std::string> ListSubfolders(const std::string& folder);

// The titles (names without their extension) of the files in `folder` that
// match `pattern`, in the order the file search returns them.
std::vector<std::string> ListFileTitles(const std::string& folder, const std::string& pattern);

}  // namespace files
