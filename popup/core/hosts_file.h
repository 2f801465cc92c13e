#pragma once
// The system's HOSTS file: where it lives, whether it maps a name, adding the
// alias line, and the ad-blocking lines. The Windows folder and the system
// family are given, so tests aim it at a scratch folder.
#include <string>

namespace popup {

// The host alias the browsers are given for the local proxy.
extern const char kProxyAlias[];
extern const char kLoopbackAddress[];

enum class AdBlockResult {
    Done,
    HostsMissing,   // no HOSTS file and none could be made
    ListMissing,    // the list of ad lines could not be read
    WriteFailed,
};

class CHostsFile {
public:
    CHostsFile(const std::string& windowsFolder, bool nt);
    // The running system's Windows folder and family.
    static CHostsFile OfThisSystem();

    // The HOSTS path, the file created when missing: from its ".sam" template
    // when there is one, else holding only the "Created By" line. Empty when
    // the file neither exists nor can be made.
    std::string GetHostsPath() const;

    // True when a line of HOSTS maps exactly `name` (any case).
    bool HostsContains(const std::string& name) const;

    // Appends "<address>\t<name>" on a line of its own unless HOSTS maps the
    // name already. True when HOSTS maps the name afterwards.
    bool AddHostsEntry(const std::string& address, const std::string& name) const;

    // Hidden, system and archive, plus read-only when asked.
    static bool SetHostsAttributes(const std::string& path, bool readOnly);

    // Ad blocking on: the lines of the file `adListPath` go into HOSTS as one
    // marked block (replacing an earlier block); off: the block is taken out.
    // The alias line and every other line stay.
    AdBlockResult SetAdBlock(bool on, const std::string& adListPath) const;

private:
    std::string location_;
};

}  // namespace popup
