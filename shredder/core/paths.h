#pragma once
// Path texts as the shredder compares them: separators collapsed, no final
// separator except on a drive root ("C:\"), compared without regard to case.
// Window-free.
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
// True when `path` equals one of `folders`.
bool IsProtectedFolder(const std::string& path, const std::vector<std::string>& folders);

}  // namespace shredder
