// The DSP ADPCM codec: the decoder's arithmetic on a hand-worked frame, exact recovery of
// representable frames, coefficients that follow the signal, and the frame byte counts.
#include "platform/dsptool/dsp_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

// Predictor 1 = (2.0, -1.0), scale 4, history (10, 5):
//   (4096*10 - 2048*5 + 1024) >> 11 = 15, plus code 3 * 4 -> 27;
//   (4096*27 - 2048*10 + 1024) >> 11 = 44, plus code -8 * 4 -> 12;
//   (4096*12 - 2048*27 + 1024) >> 11 = -3 (rounded towards minus infinity), code 0 -> -3.
TEST(DspDecode, FollowsTheFixedPointRuleOnAHandWorkedFrame) {
    int16_t coefs[16] = {};
    coefs[2] = 4096;
    coefs[3] = -2048;
    const uint8_t frame[8] = {0x12, 0x38, 0x00, 0, 0, 0, 0, 0};
    DspHistory h{10, 5};
    int16_t out[3];
    dsp_decode_frame(coefs, h, frame, 3, out);
    EXPECT_EQ(out[0], 27);
    EXPECT_EQ(out[1], 12);
    EXPECT_EQ(out[2], -3);
    EXPECT_EQ(h.h1, -3);
    EXPECT_EQ(h.h2, 12);
}

TEST(DspDecode, ClampsAndToleratesAnyHeader) {
    int16_t coefs[16];
    for (int i = 0; i < 16; ++i)
        coefs[i] = i % 2 ? -32768 : 32767;
    std::vector<uint8_t> data(64, 0xFF);
    std::vector<int16_t> out(7 * 14);
    DspHistory h{32767, -32768};
    // Asking for more samples than the bytes hold gives only what they hold.
    EXPECT_EQ(dsp_decode_stream(coefs, h, data.data(), 60, 100, out.data()), 7u * 14);
}

TEST(DspFrames, ByteCountsCoverEveryStartedFrame) {
    const std::pair<size_t, size_t> cases[] = {{0, 0},   {1, 8},   {14, 8},    {15, 16},
                                               {28, 16}, {29, 24}, {1000, 576}};
    for (const auto& [samples, bytes] : cases)
        EXPECT_EQ(dsp_bytes_for_samples(samples), bytes);
}

// Frames of random codes (each with one code at the end of the range, as any real peak has)
// decoded with fixed predictors: the frame encoder must find each one with no error at all.
TEST(DspEncode, RecoversEveryRepresentableFrameExactly) {
    const int16_t coefs[16] = {0,    0,     2048, 0, 3900, -1900, 1000, 500,
                               2600, -1200, -500, 0, 3500, -2040, 1600, -300};
    std::mt19937 rng(11);
    DspHistory dec, enc;
    for (int f = 0; f < 200; ++f) {
        uint8_t frame[8];
        frame[0] = static_cast<uint8_t>((rng() % 8) << 4 | (2 + rng() % 7));
        for (int i = 1; i < 8; ++i)
            frame[i] = static_cast<uint8_t>(rng());
        frame[1 + rng() % 7] = rng() % 2 ? 0x77 : 0x88;
        int16_t x[14];
        dsp_decode_frame(coefs, dec, frame, 14, x);
        uint8_t coded[8];
        EXPECT_EQ(dsp_encode_frame(coefs, enc, x, 14, coded), 0) << "frame " << f;
    }
}

// Loud noise, full-scale square edges that drive the decoder into its clamp, and short last
// frames, with the history carried from frame to frame: whatever search path wins, the error
// the encoder reports and the history it leaves must be exactly what the decoder rebuilds, and
// the search over code sequences must never lose to the nearest code per sample.
TEST(DspEncode, ReportsTheDecodersErrorAndHistoryAndBeatsTheNearestCode) {
    const int16_t coefs[16] = {0,    0,     2048, 0, 3900, -1900, 1000, 500,
                               2600, -1200, -500, 0, 3500, -2040, 1600, -300};
    std::mt19937 rng(5);
    for (const int amplitude : {300, 6000, 32767}) {
        DspHistory h;
        int64_t searched = 0, greedy = 0;
        for (int f = 0; f < 300; ++f) {
            const int count = f % 50 == 49 ? 1 + f % 13 : 14;
            int16_t x[14];
            for (int i = 0; i < count; ++i) {
                const int edge = ((f * 14 + i) / 9) % 2 ? amplitude : -amplitude - 1;
                const int noise = static_cast<int>(rng() % (2 * amplitude + 1)) - amplitude;
                x[i] = static_cast<int16_t>(std::clamp(f % 3 ? noise : edge, -32768, 32767));
            }
            const DspHistory before = h;
            uint8_t frame[8];
            const int64_t err = dsp_encode_frame(coefs, h, x, count, frame, 0);
            DspHistory decoded = before;
            int16_t out[14];
            dsp_decode_frame(coefs, decoded, frame, count, out);
            int64_t real = 0;
            for (int i = 0; i < count; ++i)
                real += int64_t{x[i] - out[i]} * (x[i] - out[i]);
            ASSERT_EQ(err, real) << "amplitude " << amplitude << " frame " << f;
            ASSERT_EQ(h.h1, decoded.h1);
            ASSERT_EQ(h.h2, decoded.h2);
            for (int i = count; i < 14; ++i)
                EXPECT_EQ(frame[1 + i / 2] >> (i % 2 ? 0 : 4) & 0xF, 0) << "unused code set";
            // The same frame from the same history with the nearest code per sample only.
            DspHistory nearest = before;
            uint8_t plain[8];
            const int64_t plain_err = dsp_encode_frame(coefs, nearest, x, count, plain, INT64_MAX);
            EXPECT_LE(err, plain_err) << "amplitude " << amplitude << " frame " << f;
            searched += err, greedy += plain_err;
        }
        EXPECT_LT(searched, greedy) << "the search over codes never helped at " << amplitude;
    }
}

// Two tones one after the other, with silence between: each tone is exactly predictable by
// (2 cos w, -1), and the designed predictors must contain both.
TEST(DspEncode, DesignsThePredictorsOfTheSignal) {
    const double w1 = 0.05, w2 = 0.6;
    std::vector<int16_t> x;
    for (int i = 0; i < 7000; ++i)
        x.push_back(static_cast<int16_t>(12000 * std::sin(w1 * i)));
    x.insert(x.end(), 3000, 0);
    for (int i = 0; i < 7000; ++i)
        x.push_back(static_cast<int16_t>(12000 * std::sin(w2 * i)));
    std::vector<uint8_t> data(dsp_bytes_for_samples(x.size()));
    int16_t coefs[16];
    dsp_encode_channel(x.data(), x.size(), data.data(), coefs);
    for (const double w : {w1, w2}) {
        bool found = false;
        for (int k = 0; k < 8; ++k)
            found |= std::abs(coefs[2 * k] - 4096 * std::cos(w)) < 40 &&
                     std::abs(coefs[2 * k + 1] + 2048) < 40;
        EXPECT_TRUE(found) << "no predictor for w = " << w;
    }
    std::vector<int16_t> out(x.size());
    DspHistory h;
    dsp_decode_stream(coefs, h, data.data(), data.size(), x.size(), out.data());
    double signal = 0, noise = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        signal += double(x[i]) * x[i];
        noise += double(x[i] - out[i]) * (x[i] - out[i]);
    }
    EXPECT_GT(10 * std::log10(signal / noise), 50.0);
}

} // namespace
