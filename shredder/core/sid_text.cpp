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
    PSID sid = info.user.User.Sid;
    if (!IsValidSid(sid)) {
        failure = 3;
        return false;
    }
    const SID_IDENTIFIER_AUTHORITY* authority = GetSidIdentifierAuthority(sid);
    unsigned char bytes[6];
    for (int i = 0; i < 6; ++i) bytes[i] = authority->Value[i];
    std::vector<uint32_t> subs;
    const UCHAR count = *GetSidSubAuthorityCount(sid);
    for (UCHAR i = 0; i < count; ++i) subs.push_back(*GetSidSubAuthority(sid, i));
    text = SidToText(bytes, subs);
    return true;
}

}  // namespace shredder
