#include "shredder/algorithms/pass_buffer.h"

#include <cstdlib>
#include <ctime>

namespace shredder {

void RuntimeRandom::Reseed() { std::srand(static_cast<unsigned>(std::time(nullptr))); }

unsigned RuntimeRandom::Next() { return static_cast<unsigned>(std::rand()); }

void PassBuffer::FillPassBuffer(const Pass& pass, RandomSource& random) {
    switch (pass.kind) {
    case PassKind::Pattern:
        if (pass.pattern.empty()) {
            Zero();
            break;
        }
        for (size_t i = 0; i < bytes_.size(); ++i) bytes_[i] = pass.pattern[i % pass.pattern.size()];
        break;
    case PassKind::Random:
        for (unsigned char& byte : bytes_) byte = static_cast<unsigned char>(random.Next() & 0xFF);
        break;
    case PassKind::Complement:
        for (unsigned char& byte : bytes_) byte = static_cast<unsigned char>(~byte);
        break;
    }
}

void PassBuffer::Zero() { bytes_.assign(bytes_.size(), 0); }

}  // namespace shredder
