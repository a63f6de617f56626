// The VAG block codec: decoding rules pinned by a small fixture, exact round trips of
// representable signals, and streams that never rely on the decoder's clamping.
#include "platform/encvag/vag_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace {

// Three blocks: filter 0 ending on -7, -5; filter 1 decaying from there (the prediction is
// truncated towards zero: -5 * 60 / 64 = -4.69 gives -4); filter 4 with two codes of 7.
// The expected samples are what FFmpeg's decoder gave for the same bytes.
TEST(VagDecode, FiltersShiftsAndTruncationMatchAnIndependentDecoder) {
    std::array<uint8_t, 48> bytes{};
    bytes[0] = 0x0C;
    bytes[15] = 0x9 | 0xB << 4;
    bytes[16] = 0x1C;
    bytes[32] = 0x4C;
    bytes[34] = 0x77;
    std::vector<int16_t> out(3 * VAG_BLOCK_SAMPLES);
    ASSERT_EQ(vag_decode_stream(bytes.data(), bytes.size(), out.data()), out.size());
    EXPECT_EQ(out[26], -7);
    EXPECT_EQ(out[27], -5);
    const std::vector<int16_t> decay(out.begin() + 28, out.begin() + 34);
    EXPECT_EQ(decay, (std::vector<int16_t>{-4, -3, -2, -1, 0, 0}));
    const std::vector<int16_t> rise(out.begin() + 56, out.begin() + 62);
    EXPECT_EQ(rise, (std::vector<int16_t>{7, 20, 31, 40, 47, 52}));
}

TEST(VagDecode, PartialBlocksAreIgnoredAndAnyHeaderDecodes) {
    std::array<uint8_t, 40> bytes;
    bytes.fill(0xFF); // filter 15, shift 15: neither exists
    std::vector<int16_t> out(2 * VAG_BLOCK_SAMPLES);
    EXPECT_EQ(vag_decode_stream(bytes.data(), bytes.size(), out.data()), 56u);
}

// Blocks of random codes, filters and shifts decode to a signal the encoder must find again
// exactly: it searches every filter and shift against the real reconstruction and carries
// the history from block to block.
TEST(VagEncode, RecoversEveryRepresentableSignalExactly) {
    std::mt19937 rng(7);
    const int blocks = 60;
    std::vector<uint8_t> bytes(blocks * VAG_BLOCK_BYTES);
    for (int b = 0; b < blocks; ++b) {
        uint8_t* blk = bytes.data() + b * VAG_BLOCK_BYTES;
        blk[0] = static_cast<uint8_t>((rng() % 5) << 4 | (6 + rng() % 7));
        for (int i = 2; i < VAG_BLOCK_BYTES; ++i)
            blk[i] = static_cast<uint8_t>(rng());
    }
    std::vector<int16_t> signal(blocks * VAG_BLOCK_SAMPLES);
    vag_decode_stream(bytes.data(), bytes.size(), signal.data());
    // Only meaningful when the decoder never had to clamp.
    ASSERT_LT(*std::max_element(signal.begin(), signal.end()), 32767);
    ASSERT_GT(*std::min_element(signal.begin(), signal.end()), -32768);

    VagHistory h;
    std::vector<uint8_t> coded(bytes.size());
    for (int b = 0; b < blocks; ++b)
        EXPECT_EQ(vag_encode_block(h, signal.data() + b * VAG_BLOCK_SAMPLES, VAG_FLAG_NONE,
                                   coded.data() + b * VAG_BLOCK_BYTES),
                  0)
            << "block " << b;
    std::vector<int16_t> again(signal.size());
    vag_decode_stream(coded.data(), coded.size(), again.data());
    EXPECT_EQ(again, signal);
}

// Full-scale edges: a square wave between the extremes, a lone -32768 and a lone 32767 spike.
// The stream must decode the same whether or not a decoder clamps (so every decoder agrees),
// and stay close to the input.
TEST(VagEncode, FullScaleSignalsNeverNeedTheDecoderToClamp) {
    std::vector<int16_t> x(VAG_BLOCK_SAMPLES * 12, 0);
    for (size_t i = 0; i < 8 * 28; ++i)
        x[i] = (i / 9) % 2 ? 32767 : -32768;
    x[8 * 28 + 5] = -32768;
    x[10 * 28 + 3] = 32767;
    VagHistory h;
    std::vector<uint8_t> coded(x.size() / 28 * 16);
    for (size_t b = 0; b < x.size() / 28; ++b)
        vag_encode_block(h, x.data() + b * 28, VAG_FLAG_NONE, coded.data() + b * 16);

    int32_t s1 = 0, s2 = 0;
    double signal = 0, noise = 0;
    for (size_t b = 0; b < coded.size() / 16; ++b) {
        const uint8_t* blk = coded.data() + b * 16;
        ASSERT_LE(blk[0] >> 4, 4);
        ASSERT_LE(blk[0] & 0xF, VAG_MAX_SHIFT);
        for (int n = 0; n < 28; ++n) {
            const int nib = (blk[2 + n / 2] >> (4 * (n & 1))) & 0xF;
            const int32_t v = (nib >= 8 ? nib - 16 : nib) * (1 << (12 - (blk[0] & 0xF))) +
                              vag_predict(blk[0] >> 4, s1, s2);
            ASSERT_GE(v, -32768) << "sample " << b * 28 + n;
            ASSERT_LE(v, 32767) << "sample " << b * 28 + n;
            const double e = x[b * 28 + n] - v;
            signal += double(x[b * 28 + n]) * x[b * 28 + n];
            noise += e * e;
            s2 = s1;
            s1 = v;
        }
    }
    EXPECT_GT(signal / noise, 100.0); // better than 20 dB even on a full-scale square
}

} // namespace
