// Small sound-design toolkit for the data generators: oscillators, noise, envelopes, filters and
// a reverb, all on float buffers. Deterministic (seeded noise), so every build makes equal files.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace synth {

using Buffer = std::vector<float>;
constexpr double PI = std::numbers::pi;

// xorshift noise in -1..1, deterministic per seed.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
    float next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return float(int32_t(state_)) / 2147483648.0f;
    }

  private:
    uint32_t state_;
};

// Two-pole state-variable filter (Chamberlin), tuned per sample.
class Svf {
  public:
    // Returns low-pass, band-pass and high-pass in one step.
    void step(float in, double cutoff, double q, int rate) {
        double f = 2 * std::sin(PI * std::min(cutoff, rate * 0.2) / rate);
        low += float(f) * band;
        high = in - low - float(1.0 / q) * band;
        band += float(f) * high;
    }
    float low = 0, band = 0, high = 0;
};

inline double midi_hz(double key) {
    return 440.0 * std::pow(2.0, (key - 69.0) / 12.0);
}

// Attack-decay envelope: linear attack, exponential decay with time constant tau (seconds).
inline double ad_env(double t, double attack, double tau) {
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / tau);
}

// Band-limited sawtooth / square by additive partials up to the Nyquist limit.
inline double additive(double phase, double freq, int rate, bool square, double brightness = 1.0) {
    double v = 0;
    for (int k = 1; k * freq < rate * 0.45; ++k) {
        if (square && k % 2 == 0) continue;
        v += std::sin(k * phase) / k * std::pow(brightness, k - 1);
    }
    return v * (2 / PI);
}

// A simple stereo-less room: four combs and two all-passes (Schroeder), mixed wet with dry.
inline Buffer reverb(const Buffer& dry, int rate, double room, double wet, double tail_seconds) {
    Buffer out(dry.size() + size_t(tail_seconds * rate), 0.0f);
    const double comb_ms[4] = {29.7, 37.1, 41.1, 43.7};
    const double allpass_ms[2] = {5.0, 1.7};
    Buffer sum(out.size(), 0.0f);
    for (double ms : comb_ms) {
        size_t len = size_t(ms * room * rate / 1000);
        Buffer line(len, 0.0f);
        size_t pos = 0;
        float damp = 0;
        for (size_t i = 0; i < out.size(); ++i) {
            float in = i < dry.size() ? dry[i] : 0.0f;
            float y = line[pos];
            damp = 0.7f * y + 0.3f * damp; // high frequencies die first
            line[pos] = in + damp * 0.84f;
            pos = (pos + 1) % len;
            sum[i] += y * 0.25f;
        }
    }
    for (double ms : allpass_ms) {
        size_t len = size_t(ms * rate / 1000);
        Buffer line(len, 0.0f);
        size_t pos = 0;
        for (float& v : sum) {
            float buffered = line[pos];
            float y = -v + buffered;
            line[pos] = v + buffered * 0.5f;
            pos = (pos + 1) % len;
            v = y;
        }
    }
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = float((i < dry.size() ? dry[i] : 0.0f) * (1 - wet * 0.5) + sum[i] * wet);
    return out;
}

// Scales a buffer so its peak is peak; short fades at both ends avoid clicks.
inline void normalise(Buffer& b, double peak, double fade_seconds = 0.002, int rate = 44100) {
    float m = 0;
    for (float v : b)
        m = std::max(m, std::fabs(v));
    if (m > 0)
        for (float& v : b)
            v = float(v * peak / m);
    size_t fade = std::min(b.size() / 2, size_t(fade_seconds * rate));
    for (size_t i = 0; i < fade; ++i) {
        float g = float(i) / float(fade);
        b[i] *= g;
        b[b.size() - 1 - i] *= g;
    }
}

} // namespace synth
