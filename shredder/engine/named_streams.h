#pragma once
// The named streams (alternate data streams) of a file on NTFS: what the
// system's backup reader lists beside the file's own data. The list is read
// from a stream of backup records, so it can be checked on a recorded one.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace shredder {

struct NamedStream {
    std::string name;  // as the file system spells it: ":name:$DATA"
    uint64_t size = 0;
};

// A source of backup records: the bytes in order, and a way past the data
// of the record just read.
class BackupRecords {
public:
    virtual ~BackupRecords() = default;
    // Fills `size` bytes; false when fewer remain.
    virtual bool Read(void* data, uint32_t size) = 0;
    virtual bool Skip(uint64_t size) = 0;
};

// The named data streams among the records (security, the unnamed data and
// the other kinds are passed over). A cut-short list ends where it breaks.
std::vector<NamedStream> ReadNamedStreams(BackupRecords& records);

// The named streams of the file at `path`: empty on systems without the
// backup reader (Windows 95 to Me, whose file systems have none) and where
// the file cannot be read.
std::vector<NamedStream> ListNamedStreams(const std::string& path);

}  // namespace shredder
