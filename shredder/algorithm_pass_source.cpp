#include "shredder/algorithm_pass_source.h"

#include <cstring>

#include "shredder/engine/shred_engine.h"

namespace shredder {

void AlgorithmPassSource::FillPass(int index, uint8_t* buffer) {
    if (index == 0) {
        random_.Reseed();
        buffer_.Zero();
    }
    buffer_.FillPassBuffer(algorithm_.passes[index], random_);
    std::memcpy(buffer, buffer_.data(), buffer_.size());
}

std::string AlgorithmPassSource::PassText(int index) {
    return PassLine(texts_, index + 1, PassCount(), algorithm_.passes[index]);
}

}  // namespace shredder
