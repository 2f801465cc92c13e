// Browser settings files: Opera's [Proxy] section, Mozilla's preference
// lines, the profile registry and the Internet Explorer connection blob.
// Configuring twice is configuring once; a configured file reads as
// configured; a cleared one does not.
#include "common/browser/connection_blob.h"
#include "common/browser/mozilla_prefs.h"
#include "common/browser/mozilla_registry.h"
#include "common/browser/opera_ini.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::Text(data, size);
    const std::string server = "VelmoraBlinkward:8100";

    const std::string opera = browser::ConfigureOperaProxy(text, server);
    FUZZ_CHECK(browser::OperaIniUsesProxy(opera, server));
    FUZZ_CHECK(browser::ConfigureOperaProxy(opera, server) == opera);
    FUZZ_CHECK(!browser::OperaIniUsesProxy(browser::ClearOperaProxy(opera, server), server));

    const std::vector<std::string> lines = browser::ProxyPrefLines("VelmoraBlinkward", "8100");
    const std::string userJs = browser::MergePrefLines(text, lines);
    FUZZ_CHECK(browser::MergePrefLines(userJs, lines) == userJs);
    FUZZ_CHECK(browser::ProfileUsesProxy(text, userJs));
    browser::RemoveFirstPref(text, "network.proxy.http");

    for (const std::string& directory : browser::ScanProfileDirectories(text)) {
        FUZZ_CHECK(directory.size() < 260);
        browser::ProfileNameOf(directory);
    }
    browser::BlobCarriesProxy(text, "http=VelmoraBlinkward:8100");
    return 0;
}
