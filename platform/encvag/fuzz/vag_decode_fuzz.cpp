// Fuzz target: any bytes decode as a VAG stream without reading or writing out of range.
#include "platform/encvag/vag_codec.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<int16_t> out(size / VAG_BLOCK_BYTES * VAG_BLOCK_SAMPLES);
    // Every whole block gives 28 samples; anything else is a fault.
    if (vag_decode_stream(data, size, out.data()) != out.size()) std::abort();
    return 0;
}
