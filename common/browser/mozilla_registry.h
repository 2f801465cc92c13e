#pragma once
// The browser's profile registry file (registry.dat): only the profile data
// folders that follow each "directory" marker are read from it.
#include <string>
#include <vector>

namespace browser {

// Every zero-terminated text that follows "directory\0" in `bytes`, ends in
// ".slt" and fits a path (under 260 characters). The scan never reads past
// the end of `bytes`; a text without its terminator is not taken.
std::vector<std::string> ScanProfileDirectories(const std::string& bytes);

// "...\<name>\<x>.slt" -> "<name>".
std::string ProfileNameOf(const std::string& directory);

}  // namespace browser
