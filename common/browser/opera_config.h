#pragma once
// Opera 6 and Opera 7: where their settings files are, and the program's
// proxy written into and taken out of their [Proxy] sections.
#include <string>

#include "common/browser/browser_env.h"

namespace browser {

constexpr char kOperaKey[] = "Software\\Opera Software";

// Results of FindOperaIni.
enum OperaIniResult {
    kOperaIniFound = 0,
    kOpera6IniMissing = 1,
    kOpera7IniMissing = 2,
    kBothOperaInisMissing = 3,
    kOperaKeyMissing = 4,
};

class COperaConfig {
public:
    COperaConfig(BrowserEnv& env, int wantOpera6, int wantOpera7)
        : WantOpera6(wantOpera6), WantOpera7(wantOpera7), env_(env) {}

    // Fills the three paths for the wanted versions; an OperaIniResult.
    int FindOperaIni();

    // Configure side: each wanted version's settings file. False when a
    // file is missing (after its message) or could not be written.
    bool SetOperaProxy(const std::string& host, const std::string& port);
    bool WriteOperaProxySection(const std::string& host, const std::string& port,
                                const std::string& file);

    // Reset side: each wanted version's file, and Opera 7's defaults file
    // when it carries the program's proxy.
    bool ResetOperaProxy();
    bool ClearOperaProxySection(const std::string& file);

    // Refreshes Opera6Configured / Opera7Configured from the files (Opera 7
    // also counts as configured through its defaults file).
    void ReadConfiguredState();
    bool IsOperaConfigured(const std::string& file) const;

    int WantOpera6;
    int WantOpera7;
    std::string Opera7DefIniPath;
    std::string Opera6IniPath;
    std::string Opera7IniPath;

private:
    // Shows the message of a FindOperaIni failure, configure or reset side.
    void ReportFindFailure(int result, bool configure);
    // The error box of a settings file that could not be written.
    void ReportWriteFailure(bool configure, const std::string& file);
    // The configured flag of the version whose file `file` is.
    void SetFlagsFor(const std::string& file, int value);

    BrowserEnv& env_;
};

}  // namespace browser
