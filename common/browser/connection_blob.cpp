#include "common/browser/connection_blob.h"

#include <cstdint>

namespace browser {
namespace {

constexpr size_t kFlagsAt = 8;
constexpr size_t kLengthAt = 12;
constexpr size_t kProxyAt = 16;

uint32_t ReadLittleEndian32(const std::string& blob, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(blob[at + i])) << (8 * i);
    return value;
}

}  // namespace

bool BlobCarriesProxy(const std::string& blob, const std::string& proxy) {
    if (blob.size() < kProxyAt) return false;
    if ((static_cast<unsigned char>(blob[kFlagsAt]) & kFlagProxy) == 0) return false;
    uint32_t length = ReadLittleEndian32(blob, kLengthAt);
    if (length > blob.size() - kProxyAt) return false;
    return blob.compare(kProxyAt, length, proxy) == 0;
}

}  // namespace browser
