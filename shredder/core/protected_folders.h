#pragma once
// The folders a walk never shreds, recognised whatever the spelling: by
// their resolved text on every system, and on the NT family also by what
// they are (volume serial number and file index), so another drive letter
// for the same folder, or a device-prefixed path, is held too.
#include <cstdint>
#include <string>
#include <vector>

namespace shredder {

struct FileIdentity {
    uint32_t volume = 0;
    uint64_t index = 0;
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && index == other.index;
    }
};

class ProtectedFolders {
public:
    void Set(std::vector<std::string> folders);
    bool Holds(const std::string& path) const;

private:
    struct Identified {
        bool known = false;
        FileIdentity identity;
    };
    std::vector<std::string> folders_;
    std::vector<Identified> identities_;
};

}  // namespace shredder
