#pragma once
// The user's security identifier as text ("S-1-5-21-..."), the name of the
// user's Recycle Bin folder on NTFS drives.
#include <cstdint>
#include <string>
#include <vector>

namespace shredder {

// Revision 1; the authority in decimal, or as "0x" and twelve hexadecimal
// digits when either of its two top bytes is set; then each sub-authority.
std::string SidToText(const unsigned char (&authority)[6], const std::vector<uint32_t>& subAuthorities);

// The current process user's SID text. On failure, `failure` is 1 (token
// not opened), 2 (token information not read) or 3 (conversion failed).
bool GetCurrentUserSid(std::string& text, int& failure);

}  // namespace shredder
