// IMA ADPCM block encoder and decoder.
#include "bankbuilder/encode/ima_adpcm.h"

#include <algorithm>

const int16_t IMA_STEP_TABLE[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

const int16_t IMA_INDEX_TABLE[16] = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

int ima_encode_nibble(int x, int& p, int step) {
    int d = x - p;
    int code = 0;
    if (d < 0) code = 8, d = -d;
    if (d >= step) code |= 4, d -= step;
    if (d >= step >> 1) code |= 2, d -= step >> 1;
    if (d >= step >> 2) code |= 1, d -= step >> 2;
    // What remains of d is exactly the part the decoder cannot rebuild.
    p = (code & 8) ? x + d - (step >> 3) : x - d + (step >> 3);
    p = std::clamp(p, -32768, 32767);
    return code;
}

namespace {

// Codes one channel's 64 samples (taken every `stride` values) into its 4-byte header and
// 63 codes, returned in order; codes[63] stays 0 as the padding nibble.
void encode_block_codes(const int16_t* x, int stride, int& index, uint8_t header[4],
                        uint8_t codes[IMA_BLOCK_FRAMES]) {
    int p = x[0];
    header[0] = static_cast<uint8_t>(p & 0xFF);
    header[1] = static_cast<uint8_t>((p >> 8) & 0xFF);
    header[2] = static_cast<uint8_t>(index);
    header[3] = 0;
    for (int n = 1; n < IMA_BLOCK_FRAMES; ++n) {
        const int code = ima_encode_nibble(x[n * stride], p, IMA_STEP_TABLE[index]);
        index = std::clamp(index + IMA_INDEX_TABLE[code], 0, IMA_MAX_STEP_INDEX);
        codes[n - 1] = static_cast<uint8_t>(code);
    }
    codes[IMA_BLOCK_FRAMES - 1] = 0;
}

int decode_code(int code, int& p, int& index) {
    const int step = IMA_STEP_TABLE[index];
    int diff = step >> 3;
    if (code & 4) diff += step;
    if (code & 2) diff += step >> 1;
    if (code & 1) diff += step >> 2;
    p = std::clamp((code & 8) ? p - diff : p + diff, -32768, 32767);
    index = std::clamp(index + IMA_INDEX_TABLE[code], 0, IMA_MAX_STEP_INDEX);
    return p;
}

void decode_header(const uint8_t* h, int& p, int& index) {
    p = static_cast<int16_t>(static_cast<uint16_t>(h[0] | h[1] << 8));
    index = std::min<int>(h[2], IMA_MAX_STEP_INDEX);
}

} // namespace

void ima_encode_mono(const int16_t* samples, size_t blocks, int& step_index, uint8_t* out) {
    uint8_t codes[IMA_BLOCK_FRAMES];
    for (size_t b = 0; b < blocks; ++b, out += IMA_BLOCK_BYTES) {
        encode_block_codes(samples + b * IMA_BLOCK_FRAMES, 1, step_index, out, codes);
        for (int i = 0; i < 32; ++i)
            out[4 + i] = static_cast<uint8_t>(codes[2 * i] | codes[2 * i + 1] << 4);
    }
}

void ima_encode_stereo(const int16_t* frames, size_t blocks, int step_index[2], uint8_t* out) {
    uint8_t codes[2][IMA_BLOCK_FRAMES];
    for (size_t b = 0; b < blocks; ++b, out += 2 * IMA_BLOCK_BYTES) {
        const int16_t* x = frames + b * IMA_BLOCK_FRAMES * 2;
        encode_block_codes(x, 2, step_index[0], out, codes[0]);
        encode_block_codes(x + 1, 2, step_index[1], out + 4, codes[1]);
        // Eight words per channel, alternating left and right, 8 codes each.
        for (int w = 0; w < 8; ++w)
            for (int c = 0; c < 2; ++c)
                for (int i = 0; i < 4; ++i)
                    out[8 + w * 8 + c * 4 + i] = static_cast<uint8_t>(
                        codes[c][w * 8 + 2 * i] | codes[c][w * 8 + 2 * i + 1] << 4);
    }
}

size_t ima_decode(const uint8_t* data, size_t size, int channels, int16_t* out) {
    if (channels != 1 && channels != 2) return 0;
    const size_t block_bytes = size_t{IMA_BLOCK_BYTES} * channels;
    const size_t blocks = size / block_bytes;
    for (size_t b = 0; b < blocks; ++b) {
        const uint8_t* blk = data + b * block_bytes;
        int16_t* o = out + b * IMA_BLOCK_FRAMES * channels;
        for (int c = 0; c < channels; ++c) {
            int p, index;
            decode_header(blk + 4 * c, p, index);
            o[c] = static_cast<int16_t>(p);
            for (int n = 1; n < IMA_BLOCK_FRAMES; ++n) {
                const int k = n - 1; // code position within the channel's 64 nibbles
                const uint8_t byte =
                    channels == 1 ? blk[4 + k / 2] : blk[8 + (k / 8) * 8 + c * 4 + (k % 8) / 2];
                const int code = (byte >> ((k & 1) * 4)) & 0xF;
                o[n * channels + c] = static_cast<int16_t>(decode_code(code, p, index));
            }
        }
    }
    return blocks * IMA_BLOCK_FRAMES;
}
