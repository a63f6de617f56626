// The exported entry points of libdsptool, over the DSP ADPCM codec.
#include "platform/dsptool/dsptool.h"

#include "platform/dsptool/dsp_codec.h"

#include <cstring>

extern "C" {

DSPTOOL_API uint32_t getBytesForAdpcmBuffer(uint32_t samples) {
    return static_cast<uint32_t>(dsp_bytes_for_samples(samples));
}

DSPTOOL_API void encode(int16_t* source, uint8_t* adpcm, DspAdpcmInfo* info, uint32_t samples) {
    if (!info) return;
    std::memset(info, 0, sizeof *info);
    if (!source || !adpcm) return;
    int16_t coefs[16];
    dsp_encode_channel(source, samples, adpcm, coefs);
    for (int i = 0; i < 16; ++i)
        info->coef[i] = static_cast<uint16_t>(coefs[i]);
    info->pred_scale = samples ? adpcm[0] : 0;
}

DSPTOOL_API void getLoopContext(uint8_t* adpcm, DspAdpcmInfo* info, uint32_t loop_start) {
    if (!adpcm || !info) return;
    int16_t coefs[16];
    for (int i = 0; i < 16; ++i)
        coefs[i] = static_cast<int16_t>(info->coef[i]);
    const DspLoopContext c = dsp_loop_context(coefs, adpcm, loop_start);
    info->loop_pred_scale = c.pred_scale;
    info->loop_yn1 = static_cast<uint16_t>(c.yn1);
    info->loop_yn2 = static_cast<uint16_t>(c.yn2);
}
}
