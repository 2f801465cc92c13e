#include "shredder/core/sid_text.h"

#include <windows.h>

#include <cstdio>

namespace shredder {

std::string SidToText(const unsigned char (&authority)[6], const std::vector<uint32_t>& subAuthorities) {
    char part[40];
    std::string text = "S-1-";
    if (authority[0] != 0 || authority[1] != 0) {
        std::snprintf(part, sizeof part, "0x%02x%02x%02x%02x%02x%02x", authority[0], authority[1],
                      authority[2], authority[3], authority[4], authority[5]);
    } else {
        unsigned long value = (static_cast<unsigned long>(authority[2]) << 24) |
                              (static_cast<unsigned long>(authority[3]) << 16) |
                              (static_cast<unsigned long>(authority[4]) << 8) | authority[5];
        std::snprintf(part, sizeof part, "%lu", value);
    }
    text += part;
    for (uint32_t sub : subAuthorities) {
        std::snprintf(part, sizeof part, "-%lu", static_cast<unsigned long>(sub));
        text += part;
    }
    return text;
}

bool GetCurrentUserSid(std::string& text, int& failure) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        failure = 1;
        return false;
    }
    union {
        TOKEN_USER user;
        unsigned char bytes[1000];
    } info;
    DWORD length = 0;
    BOOL read = GetTokenInformation(token, TokenUser, &info, sizeof info, &length);
    CloseHandle(token);
    if (!read) {
        failure = 2;
        return false;
    }
    // The SID's own layout, read directly: the SID helpers of advapi32
    // are not there on every system the program loads on.
    const SID* sid = static_cast<const SID*>(info.user.User.Sid);
    const unsigned char* end = info.bytes + (length < sizeof info ? length : sizeof info);
    const unsigned char* start = reinterpret_cast<const unsigned char*>(sid);
    if (start < info.bytes || start + 8 > end || sid->Revision != SID_REVISION ||
        sid->SubAuthorityCount > SID_MAX_SUB_AUTHORITIES ||
        start + 8 + 4 * static_cast<size_t>(sid->SubAuthorityCount) > end) {
        failure = 3;
        return false;
    }
    unsigned char bytes[6];
    for (int i = 0; i < 6; ++i) bytes[i] = sid->IdentifierAuthority.Value[i];
    std::vector<uint32_t> subs(sid->SubAuthority, sid->SubAuthority + sid->SubAuthorityCount);
    text = SidToText(bytes, subs);
    return true;
}

}  // namespace shredder
