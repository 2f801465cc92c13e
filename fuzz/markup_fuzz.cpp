// Markup: tags, script ends and the scan stay inside the text.
#include "common/proxy/http_text.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly `size` bytes: a read past the end is a report.
    std::vector<char> text(data, data + size);
    const char* bytes = text.empty() ? "" : text.data();
    std::string tag;
    const size_t after = proxy::ReadTag(bytes, size, 0, tag);
    FUZZ_CHECK(after <= size);
    proxy::MarkupScan scan;
    FUZZ_CHECK(proxy::FindScriptEnd(bytes, size, 0, scan) <= size);
    proxy::MarkupScan all;
    proxy::ScanMarkup(bytes, size, all);
    FUZZ_CHECK(all.tags.size() == all.positions.size());
    for (size_t position : all.positions) FUZZ_CHECK(position <= size);
    return 0;
}
