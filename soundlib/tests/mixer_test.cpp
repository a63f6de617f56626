// The mixer's arithmetic: conversion to the mix rate, channel use, panning and the limiter.
#include "soundlib/mixer.h"
#include "soundlib/resample.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace zelvo;

namespace {

// Magnitude of one frequency in a signal (Goertzel), normalised so a full-scale sine gives 0.5.
double tone_level(const std::vector<float>& x, int channels, int channel, double freq, int rate) {
    double w = 2 * std::numbers::pi * freq / rate, c = 2 * std::cos(w), s1 = 0, s2 = 0;
    size_t n = x.size() / size_t(channels);
    for (size_t i = 0; i < n; ++i) {
        double s = x[i * size_t(channels) + size_t(channel)] + c * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return std::sqrt(s1 * s1 + s2 * s2 - c * s1 * s2) / double(n);
}

SampleData sine_sample(int rate, double freq, int frames, int channels = 1) {
    SampleData d;
    d.channels = channels;
    d.bits = 16;
    d.rate = rate;
    d.frames = uint32_t(frames);
    d.bytes.resize(size_t(frames) * channels * 2);
    auto* v = reinterpret_cast<int16_t*>(d.bytes.data());
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            v[i * channels + c] = int16_t(std::lrint(
                16000 * std::sin(2 * std::numbers::pi * freq * i / rate) * (c == 0 ? 1 : 0.5)));
    return d;
}

TEST(Resampler, KeepsPitchAndLengthWithoutImages) {
    // 1 kHz at 22050 Hz to 32000 Hz. Nearest-neighbour or linear conversion leaves images of the
    // source spectrum around 22050 +- 1000 Hz, folded to 8950 and 10950 Hz; a sinc converter not.
    SampleData in = sine_sample(22050, 1000.0, 22050);
    std::vector<float> out = resample_for_mix(in, 32000);
    ASSERT_NEAR(double(out.size()), 32000.0, 40.0);
    std::vector<float> middle(out.begin() + 1000, out.end() - 1000);
    double tone = tone_level(middle, 1, 0, 1000.0, 32000);
    EXPECT_NEAR(tone, 0.5 * 16000 / 32768, 0.01);
    for (double image : {8950.0, 10950.0})
        EXPECT_LT(tone_level(middle, 1, 0, image, 32000), tone * 1e-3) << image;

    // Stereo keeps its channels apart; equal rates copy exactly.
    SampleData st = sine_sample(32000, 500.0, 3200, 2);
    std::vector<float> same = resample_for_mix(st, 32000);
    ASSERT_EQ(same.size(), size_t(6400));
    EXPECT_FLOAT_EQ(same[2 * 100 + 1], st.value(100, 1));
    EXPECT_NEAR(tone_level(resample_for_mix(st, 44100), 2, 1, 500.0, 44100), 0.25 * 16000 / 32768,
                0.01);
}

TEST(Limiter, TransparentBelowTheKneeSmoothAndBoundedAbove) {
    EXPECT_FLOAT_EQ(soft_limit(0.5f), 0.5f);
    EXPECT_FLOAT_EQ(soft_limit(-0.8f), -0.8f);
    float previous = soft_limit(0.001f / 1.01f);
    for (float x = 0.001f; x < 64.0f; x *= 1.01f) {
        float y = soft_limit(x);
        ASSERT_GE(y, previous) << x;
        ASSERT_LE(y, 1.0f) << x;
        ASSERT_EQ(soft_limit(-x), -y);
        ASSERT_LE(y - previous, (x - x / 1.01f) * 1.0001f) << "slope above 1 at " << x;
        previous = y;
    }
    EXPECT_GT(soft_limit(2.0f), 0.99f);
}

std::shared_ptr<MixSource> constant_source(size_t frames, float value, int channels = 1) {
    auto s = std::make_shared<MixSource>();
    s->channels = channels;
    s->frames.assign(frames * size_t(channels), value);
    return s;
}

TEST(Mixer, ChannelsFillFreeUpAndRejectBadNumbers) {
    Mixer m(32000, 3);
    auto src = constant_source(100, 0.1f);
    EXPECT_EQ(m.play(-1, src, 1, 1), 0);
    EXPECT_EQ(m.play(-1, src, 1, 1), 1);
    EXPECT_EQ(m.play(-1, src, 1, 1), 2);
    EXPECT_EQ(m.play(-1, src, 1, 1), -1); // all busy
    EXPECT_EQ(m.play(3, src, 1, 1), -2);
    EXPECT_EQ(m.play(-7, src, 1, 1), -2);
    EXPECT_EQ(m.play(1, src, 1, 1), 1); // an explicit channel restarts
    std::vector<float> out(2 * 100);
    m.render(out.data(), 100);
    EXPECT_NEAR(out[0], 0.3f, 1e-6);
    EXPECT_EQ(m.active_voices(), 0); // fire and forget: finished voices free their channel
    m.render(out.data(), 100);
    EXPECT_EQ(out[10], 0.0f);
    EXPECT_EQ(m.play(-1, src, 1, 1), 0);
    m.stop_source(src.get());
    EXPECT_EQ(m.active_voices(), 0);
}

TEST(Mixer, OverlappingVoicesSumWithGainsAndStopAtTheirEnd) {
    Mixer m(32000, 64);
    m.play(-1, constant_source(50, 0.2f), 1.0f, 0.0f);     // left only
    m.play(-1, constant_source(80, 0.1f), 0.5f, 1.0f);     // both, quieter left
    m.play(-1, constant_source(30, 0.05f, 2), 1.0f, 1.0f); // stereo
    std::vector<float> out(2 * 100);
    m.render(out.data(), 100);
    EXPECT_NEAR(out[2 * 10], 0.2f + 0.05f + 0.05f, 1e-6);
    EXPECT_NEAR(out[2 * 10 + 1], 0.1f + 0.05f, 1e-6);
    EXPECT_NEAR(out[2 * 40], 0.2f + 0.05f, 1e-6);
    EXPECT_NEAR(out[2 * 60 + 1], 0.1f, 1e-6);
    EXPECT_EQ(out[2 * 90], 0.0f);

    // 64 full-scale voices at once: bounded, no wrap-around.
    for (int i = 0; i < 64; ++i)
        m.play(-1, constant_source(10, i % 2 ? 1.0f : -1.0f), 1, 1);
    for (int i = 0; i < 64; ++i)
        m.play(-1, constant_source(10, 1.0f), 1, 1); // all busy now
    std::vector<int16_t> pcm(2 * 10);
    m.render_s16(pcm.data(), 10);
    for (int16_t v : pcm)
        EXPECT_EQ(v, 0); // +1 and -1 cancel exactly
}

} // namespace
