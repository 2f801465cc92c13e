// The kept registry values beside the disabled-entry store: whatever the
// side file holds, a row only ever takes a value whose text is its own
// command; and rows written out come back with their exact type and data.
#include "fuzz/fuzz_check.h"
#include "startup/core/kept_values.h"
#include "startup/core/value_text.h"

namespace {

// Rows made from the input: three bytes give a row's place, type and a
// name letter (each name made unique by the row's number), and the first
// of them also how many data bytes follow.
std::vector<startup::EntryRow> RowsFrom(const std::string& text) {
    std::vector<startup::EntryRow> rows;
    size_t at = 0;
    while (at + 3 <= text.size() && rows.size() < 16) {
        const size_t end = std::min(text.size(), at + 3 + static_cast<unsigned char>(text[at]) % 24);
        startup::EntryRow row;
        row.place = static_cast<unsigned char>(text[at]) % 6;
        row.valueType = static_cast<unsigned char>(text[at + 1]) % 8;
        row.entry.taskName = std::string(1, text[at + 2]) + std::to_string(rows.size());
        row.valueData = text.substr(at + 3, end - at - 3);
        row.entry.location = startup::RegValueText(row.valueType, row.valueData);
        rows.push_back(row);
        at = end;
    }
    return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::Text(data, size);

    // Any side file: a value lands only on a row whose command it reads as.
    std::vector<startup::EntryRow> rows = RowsFrom(text);
    for (startup::EntryRow& row : rows) row.valueType = 0, row.valueData.clear();
    startup::AttachKeptValues(text, rows);
    for (const startup::EntryRow& row : rows) {
        if (row.valueType != 0)
            FUZZ_CHECK(startup::RegValueText(row.valueType, row.valueData) == row.entry.location);
    }

    // Written and read back: every row gets its own type and bytes again.
    const std::vector<startup::EntryRow> written = RowsFrom(text);
    std::vector<startup::EntryRow> read = written;
    for (startup::EntryRow& row : read) row.valueType = 0, row.valueData.clear();
    startup::AttachKeptValues(startup::FormatKeptValues(written), read);
    for (size_t i = 0; i < written.size(); ++i) {
        FUZZ_CHECK(read[i].valueType == written[i].valueType);
        if (written[i].valueType != 0)
            FUZZ_CHECK(startup::RegValueText(read[i].valueType, read[i].valueData) ==
                       written[i].entry.location);
    }
    return 0;
}
