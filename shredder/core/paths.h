#pragma once
// Path texts as the shredder compares them: separators collapsed, no final
// separator except on a drive root ("C:\"), compared without regard to case.
// ResolvePath asks the file system; the rest is text only. Window-free.
#include <string>
#include <vector>

namespace shredder {

// "C:\\WINDOWS\\" -> "C:\WINDOWS"; "c:" and "c:\\" -> "C:\"; a leading "\\"
// of a network path stays.
std::string NormalizePath(const std::string& path);
bool SamePath(const std::string& a, const std::string& b);
// "X:\" (after normalising): a drive root; `letter` receives it upper-cased.
bool IsDriveRoot(const std::string& path, char* letter = nullptr);
// folder + "\" + name, without doubling the separator.
std::string JoinPath(const std::string& folder, const std::string& name);
// The path made full: ".", ".." and relative parts resolved as text, each
// name as written (a short name stays short, so it still names the file
// the user chose).
std::string FullPath(const std::string& path);
// The one spelling of a path for comparison: made full (".", ".." and relative parts
// resolved), every short (8.3) name of an existing part in its long form,
// then normalised. What the file system cannot resolve stays as written.
std::string ResolvePath(const std::string& path);
// The long form of a full path ("C:\\..."), each existing part looked up on
// its own: what ResolvePath falls back to where the system's long-name query
// is missing (Windows 95, NT 4). The parts from the first missing one on
// stay as written.
std::string LongPathByParts(const std::string& full);
// A path given with the "\\?\" or "\\.\" prefix as the plain path it
// stands for ("\\?\C:\x" is "C:\x", "\\?\UNC\s\x" is "\\s\x");
// false for a device or volume path that names no folder of a drive.
bool WithoutDevicePrefix(const std::string& path, std::string& plain);
// True when `path` names the same place as one of `folders`, however
// either is spelt (both resolved).
bool IsProtectedFolder(const std::string& path, const std::vector<std::string>& folders);

}  // namespace shredder
