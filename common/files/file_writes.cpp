#include "common/files/file_writes.h"

#include <windows.h>

#include "common/files/file_handle.h"

namespace files {
namespace {

HANDLE OpenForWriting(const std::string& path, DWORD disposition) {
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

bool CreateNewFile(const std::string& path, const std::string& bytes) {
    bool written = false;
    {
        files::FileHandle file(OpenForWriting(path, CREATE_NEW));
        if (!file.IsOpen()) return false;
        written = file.Write(bytes);
    }
    // A cut-short file must not pass for a whole one later.
    if (!written) DeleteFileA(path.c_str());
    return written;
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
    files::FileHandle file(OpenForWriting(path, OPEN_ALWAYS));
    return file.IsOpen() && SetFilePointer(file.get(), 0, nullptr, FILE_END) !=
                                INVALID_SET_FILE_POINTER &&
           file.Write(bytes);
}

bool RewriteFile(const std::string& path, const std::string& bytes) {
    files::FileHandle file(OpenForWriting(path, OPEN_EXISTING));
    return file.IsOpen() && file.Write(bytes) && SetEndOfFile(file.get()) != 0;
}

}  // namespace files
