// The DSP ADPCM codec behind libdsptool: 8-byte frames of 14 samples, each frame naming one of
// eight second-order predictors (coefficients in 5.11 fixed point) and a power-of-two scale.
// The eight predictors are designed per channel from the signal itself.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int DSP_FRAME_SAMPLES = 14;
constexpr int DSP_FRAME_BYTES = 8;
constexpr int DSP_PREDICTORS = 8;
constexpr int DSP_MAX_SCALE_EXP = 12;

// The decoder's state for one channel: the last two reconstructed samples.
struct DspHistory {
    int32_t h1 = 0;
    int32_t h2 = 0;
};

// Byte size of the frames holding `samples` samples (a partial last frame counts whole).
size_t dsp_bytes_for_samples(size_t samples);

// Chooses eight coefficient pairs (16 values: c1, c2 of predictor 0, then 1, ...) that
// minimise the prediction error energy of the signal, by clustering the per-frame
// least-squares problems.
void dsp_design_coefficients(const int16_t* x, size_t n, int16_t* coefs);

// Encodes up to 14 samples (count; missing ones are coded as zero nibbles and not scored) into
// one frame, searching every predictor and scale against the decoder's own reconstruction.
// When the best nearest-code error reaches `refine_above`, the best candidates are searched
// again over sequences of codes. Returns the squared error over the `count` samples.
int64_t dsp_encode_frame(const int16_t* coefs, DspHistory& history, const int16_t* x, int count,
                         uint8_t* frame, int64_t refine_above = 0);

// Encodes a whole channel: designs the coefficients, then codes every frame in order, carrying
// the decoder history across frames. `out` must hold dsp_bytes_for_samples(n) bytes.
void dsp_encode_channel(const int16_t* x, size_t n, uint8_t* out, int16_t* coefs);

// Decodes `count` (at most 14) samples of one frame; any header byte decodes without fault.
void dsp_decode_frame(const int16_t* coefs, DspHistory& history, const uint8_t* frame, int count,
                      int16_t* out);

// What a decoder needs to start at sample `loop_start`: the header of the frame holding it
// and the two decoded samples before it. `adpcm` must hold that frame.
struct DspLoopContext {
    uint8_t pred_scale;
    int16_t yn1;
    int16_t yn2;
};
DspLoopContext dsp_loop_context(const int16_t* coefs, const uint8_t* adpcm, size_t loop_start);

// Decodes min(samples, what the whole frames of `size` bytes hold) samples into out, starting
// from `history`, and leaves the history after the last decoded sample there. Returns the
// number of samples written.
size_t dsp_decode_stream(const int16_t* coefs, DspHistory& history, const uint8_t* data,
                         size_t size, size_t samples, int16_t* out);
