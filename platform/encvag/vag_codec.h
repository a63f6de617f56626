// The PlayStation ADPCM block codec behind libencvag: a 16-byte block holds 28 samples as
// 4-bit codes with one of five prediction filters and a shift. Encoder and decoder share one
// reconstruction rule, so the encoder's history is exactly what a decoder will hold.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int VAG_BLOCK_SAMPLES = 28;
constexpr int VAG_BLOCK_BYTES = 16;
constexpr int VAG_FILTER_COUNT = 5;
constexpr int VAG_MAX_SHIFT = 12;

// Flag byte values written by the encoder.
constexpr uint8_t VAG_FLAG_NONE = 0x00;
constexpr uint8_t VAG_FLAG_END = 0x01;

// The decoder's state for one channel: the last two reconstructed samples.
struct VagHistory {
    int32_t s1 = 0;
    int32_t s2 = 0;
};

// Prediction from the two previous samples with the filter's weights in 1/64 units, the
// division truncating towards zero as the common decoders do. Shared by encoder and decoder.
int32_t vag_predict(int filter, int32_t s1, int32_t s2);

// Encodes 28 samples into one block with the given flag byte, choosing the filter and shift
// whose decoded result is closest (squared error) to the input. Returns the squared error.
int64_t vag_encode_block(VagHistory& history, const int16_t* samples, uint8_t flag, uint8_t* block);

// Decodes one block; filters above 4 decode as filter 0 and shifts above 12 as in hardware
// (the code shifted past its bits), so any 16 bytes decode without fault.
void vag_decode_block(VagHistory& history, const uint8_t* block, int16_t* samples);

// Decodes a mono stream of whole blocks; trailing bytes of a partial block are ignored.
// Returns the number of samples written (out must hold size / 16 * 28).
size_t vag_decode_stream(const uint8_t* data, size_t size, int16_t* out);
