#pragma once
// The raw settings value that Internet Explorer keeps per connection under
// "...\Internet Settings\Connections": a 32-bit version and counter, the
// connection flags at byte 8, the proxy string's length at bytes 12-15 and
// the proxy string itself from byte 16, not terminated.
#include <string>

namespace browser {

constexpr unsigned char kFlagsDirect = 1;
constexpr unsigned char kFlagProxy = 2;
constexpr unsigned char kFlagsDirectAndProxy = 3;

// True when the blob switches the proxy on (its proxy bit is set, whatever
// else the user ticked, such as automatic detection) and names exactly
// `proxy`. A blob too short for its header, or
// whose stored length runs past its end, carries no proxy.
bool BlobCarriesProxy(const std::string& blob, const std::string& proxy);

}  // namespace browser
