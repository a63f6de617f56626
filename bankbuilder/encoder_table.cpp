// The encoders built into this program.
#include "bankbuilder/encoder.h"

EncoderTable standard_encoders() {
    EncoderTable table;
    table.pcm = encode_pcm;
    table.source = copy_source;
#if WC_HAVE_CODEC_ENCODERS
    table.vag = encode_vag;
    table.dsp_adpcm = encode_dsp_adpcm;
    table.ima_adpcm = encode_ima_adpcm;
#endif
    return table;
}
