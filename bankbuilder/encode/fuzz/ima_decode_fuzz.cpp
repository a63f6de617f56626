// Fuzz target: the first byte picks 1 or 2 channels, the rest decodes as IMA ADPCM blocks
// without reading or writing out of range.
#include "bankbuilder/encode/ima_adpcm.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int channels = 1 + (data[0] & 1);
    const size_t blocks = (size - 1) / (IMA_BLOCK_BYTES * channels);
    std::vector<int16_t> out(blocks * IMA_BLOCK_FRAMES * channels);
    if (ima_decode(data + 1, size - 1, channels, out.data()) != blocks * IMA_BLOCK_FRAMES)
        std::abort();
    return 0;
}
