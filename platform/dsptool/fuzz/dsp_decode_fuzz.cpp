// Fuzz target: the first 32 bytes are taken as the coefficients, the rest as a DSP ADPCM
// stream; decoding any of it stays in range, and so does the loop context lookup.
#include "platform/dsptool/dsp_codec.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 32) return 0;
    int16_t coefs[16];
    std::memcpy(coefs, data, sizeof coefs);
    const uint8_t* stream = data + 32;
    const size_t bytes = size - 32;
    const size_t samples = bytes / DSP_FRAME_BYTES * DSP_FRAME_SAMPLES;
    std::vector<int16_t> out(samples);
    DspHistory h;
    if (dsp_decode_stream(coefs, h, stream, bytes, samples, out.data()) != samples) std::abort();
    if (samples > 0) {
        const DspLoopContext c = dsp_loop_context(coefs, stream, samples - 1);
        if (c.pred_scale != stream[(samples - 1) / DSP_FRAME_SAMPLES * DSP_FRAME_BYTES])
            std::abort();
    }
    return 0;
}
