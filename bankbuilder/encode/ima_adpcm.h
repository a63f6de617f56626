// The builder's own IMA ADPCM codec: 64 frames per block, 36 bytes per channel per block, in
// the mono layout or the stereo layout of 32-bit words alternating between the channels. Pure
// functions over sample buffers, shared by the cross-platform and the Xbox formats.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int IMA_BLOCK_FRAMES = 64;
constexpr int IMA_BLOCK_BYTES = 36; // per channel
constexpr int IMA_MAX_STEP_INDEX = 88;

extern const int16_t IMA_STEP_TABLE[89];
extern const int16_t IMA_INDEX_TABLE[16];

// Quantises x against the prediction p with the given step; returns the 4-bit code and sets p
// to the value the decoder reconstructs from it.
int ima_encode_nibble(int x, int& p, int step);

// Codes `blocks` mono blocks from blocks * 64 samples. step_index carries the step index from
// block to block (start a sample with 0). Writes blocks * 36 bytes.
void ima_encode_mono(const int16_t* samples, size_t blocks, int& step_index, uint8_t* out);

// Codes `blocks` stereo blocks from blocks * 64 interleaved frames (left, right). Each channel
// carries its own step index. Writes blocks * 72 bytes.
void ima_encode_stereo(const int16_t* frames, size_t blocks, int step_index[2], uint8_t* out);

// Decodes the whole blocks of `size` bytes of a 1- or 2-channel stream into out (interleaved
// frames; out must hold size / (36 * channels) * 64 * channels values). A header step index
// above 88 is taken as 88. Returns the number of frames written, 0 for a bad channel count.
size_t ima_decode(const uint8_t* data, size_t size, int channels, int16_t* out);
