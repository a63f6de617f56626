// The exported entry points of libencvag, over the block codec.
#include "platform/encvag/encvag.h"

#include "platform/encvag/vag_codec.h"

namespace {
// One channel at a time per thread, as the callers drive it: Init, then its blocks in order.
thread_local VagHistory channel_state;
} // namespace

extern "C" {

ENCVAG_API void EncVagInit(int) {
    channel_state = VagHistory{};
}

ENCVAG_API int EncVag(const short* samples, unsigned char* block, int attribute) {
    if (!samples || !block) return -1;
    const uint8_t flag = attribute == ENCVAG_ATTR_END ? VAG_FLAG_END : VAG_FLAG_NONE;
    vag_encode_block(channel_state, samples, flag, block);
    return 0;
}

ENCVAG_API void EncVagFin(void) {}
}
