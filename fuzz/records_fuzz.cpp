// The disabled-entry store and profiles: whatever a file holds, its records
// write back to a file that reads to the same records, and writing that
// again gives the same bytes.
#include "fuzz/fuzz_check.h"
#include "startup/core/record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::Text(data, size);
    const std::vector<startup::StartupEntry> entries = startup::ParseRecords(bytes);
    // Each record takes at least one byte of the file.
    FUZZ_CHECK(entries.size() <= size);
    for (const startup::StartupEntry& entry : entries) FUZZ_CHECK(!startup::HasLineBreak(entry));

    std::string written = "untouched";
    FUZZ_CHECK(startup::FormatRecords(entries, written));
    FUZZ_CHECK(startup::ParseRecords(written) == entries);
    std::string again;
    FUZZ_CHECK(startup::FormatRecords(startup::ParseRecords(written), again));
    FUZZ_CHECK(again == written);

    // An entry with a line break is refused and the bytes stay as they were.
    if (!entries.empty()) {
        std::vector<startup::StartupEntry> broken = entries;
        broken.back().location += "\n";
        std::string kept = written;
        FUZZ_CHECK(!startup::FormatRecords(broken, kept) && kept == written);
    }
    return 0;
}
