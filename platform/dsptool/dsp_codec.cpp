// DSP ADPCM coefficient design, frame encoder and decoder.
#include "platform/dsptool/dsp_codec.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr int64_t DSP_WORST = std::numeric_limits<int64_t>::max();
constexpr size_t DSP_SKETCH_FRAMES = 2048;
constexpr int64_t DSP_PRUNE_RATIO = 8;

// Second-order statistics of one frame against its two preceding samples: the prediction
// error of coefficients (a1, a2) over the frame is
//   e00 - 2 (a1 e01 + a2 e02) + a1^2 e11 + 2 a1 a2 e12 + a2^2 e22.
struct FrameStats {
    double e00 = 0, e01 = 0, e02 = 0, e11 = 0, e12 = 0, e22 = 0;

    void add(const FrameStats& o) {
        e00 += o.e00, e01 += o.e01, e02 += o.e02, e11 += o.e11, e12 += o.e12, e22 += o.e22;
    }
};

struct Pair {
    double a1 = 0, a2 = 0;
};

// The coefficients that minimise the summed cost, kept inside the 5.11 range. A little ridge
// keeps nearly singular statistics (silence, a pure DC) from giving wild coefficients.
Pair solve(const FrameStats& s) {
    const double ridge = 1e-6 * (s.e11 + s.e22) + 1e-3;
    const double m11 = s.e11 + ridge, m22 = s.e22 + ridge, m12 = s.e12;
    const double det = m11 * m22 - m12 * m12;
    Pair p;
    if (det > 0) {
        p.a1 = (s.e01 * m22 - s.e02 * m12) / det;
        p.a2 = (s.e02 * m11 - s.e01 * m12) / det;
    }
    p.a1 = std::clamp(p.a1, -15.99, 15.99);
    p.a2 = std::clamp(p.a2, -15.99, 15.99);
    return p;
}

std::vector<FrameStats> frame_statistics(const int16_t* x, size_t n) {
    std::vector<FrameStats> frames;
    frames.reserve(n / DSP_FRAME_SAMPLES + 1);
    for (size_t start = 0; start < n; start += DSP_FRAME_SAMPLES) {
        const size_t end = std::min(n, start + DSP_FRAME_SAMPLES);
        FrameStats s;
        double p1 = start >= 1 ? x[start - 1] : 0.0;
        double p2 = start >= 2 ? x[start - 2] : 0.0;
        for (size_t i = start; i < end; ++i) {
            const double v = x[i];
            s.e00 += v * v, s.e01 += v * p1, s.e02 += v * p2;
            s.e11 += p1 * p1, s.e12 += p1 * p2, s.e22 += p2 * p2;
            p2 = p1, p1 = v;
        }
        // Silent frames cost nothing whatever the predictor; leave them out of the design.
        if (s.e00 > 0) frames.push_back(s);
    }
    return frames;
}

// Lloyd iterations: assign each frame to the predictor that costs it least, then re-solve each
// predictor over its frames. An emptied predictor is re-seeded with the own optimum of the
// frame that is currently served worst.
double lloyd(const std::vector<FrameStats>& frames, std::vector<Pair>& pairs, int iterations) {
    double total = 0;
    const size_t m = pairs.size();
    for (int it = 0; it < iterations; ++it) {
        // cost - e00 = w . (e01, e02, e11, e12, e22): five products per frame and predictor.
        std::vector<std::array<double, 5>> w(m);
        for (size_t k = 0; k < m; ++k) {
            const double a1 = pairs[k].a1, a2 = pairs[k].a2;
            w[k] = {-2 * a1, -2 * a2, a1 * a1, 2 * a1 * a2, a2 * a2};
        }
        std::vector<FrameStats> sums(m);
        std::vector<size_t> counts(m, 0);
        double new_total = 0, worst_cost = -1;
        size_t worst = 0;
        for (size_t f = 0; f < frames.size(); ++f) {
            const FrameStats& s = frames[f];
            double best = std::numeric_limits<double>::max();
            size_t bi = 0;
            for (size_t k = 0; k < m; ++k) {
                const double c = w[k][0] * s.e01 + w[k][1] * s.e02 + w[k][2] * s.e11 +
                                 w[k][3] * s.e12 + w[k][4] * s.e22;
                if (c < best) best = c, bi = k;
            }
            best += s.e00;
            sums[bi].add(s);
            ++counts[bi];
            new_total += best;
            if (best > worst_cost) worst_cost = best, worst = f;
        }
        for (size_t k = 0; k < m; ++k) {
            if (counts[k]) {
                pairs[k] = solve(sums[k]);
            } else if (!frames.empty()) {
                pairs[k] = solve(frames[worst]);
            }
        }
        const bool settled = it > 0 && total - new_total <= 1e-5 * total;
        total = new_total;
        if (settled) break;
    }
    return total;
}

int16_t to_fixed(double a) {
    return static_cast<int16_t>(std::clamp(std::lround(a * 2048.0), -32768L, 32767L));
}

// Prediction of the decoder, with its rounding: (c1 h1 + c2 h2 + 1024) >> 11.
inline int32_t predict(int32_t c1, int32_t c2, int32_t h1, int32_t h2) {
    return static_cast<int32_t>((int64_t{c1} * h1 + int64_t{c2} * h2 + 1024) >> 11);
}

// Codes one frame with a fixed predictor and scale exactly as the decoder rebuilds it,
// giving up once the error reaches `bound`.
int64_t quantise_frame(int32_t c1, int32_t c2, int exp, const DspHistory& start, const int16_t* x,
                       int count, int64_t bound, int8_t* codes, DspHistory& end) {
    const int32_t scale = int32_t{1} << exp;
    const int32_t half = scale >> 1;
    int32_t h1 = start.h1, h2 = start.h2;
    int64_t err = 0;
    for (int n = 0; n < count; ++n) {
        const int32_t pred = predict(c1, c2, h1, h2);
        // Nearest code; the shift rounds towards minus infinity, so adding half rounds.
        int32_t code = std::clamp((x[n] - pred + half) >> exp, -8, 7);
        int32_t out = pred + code * scale;
        if (out > 32767 || out < -32768) {
            // The decoder clamps; the neighbour code towards the range may land closer.
            const int32_t towards = out > 32767 ? code - 1 : code + 1;
            out = std::clamp(out, -32768, 32767);
            if (towards >= -8 && towards <= 7) {
                const int32_t alt = std::clamp(pred + towards * scale, -32768, 32767);
                if (std::abs(x[n] - alt) < std::abs(x[n] - out)) code = towards, out = alt;
            }
        }
        const int64_t e = x[n] - out;
        err += e * e;
        if (err >= bound) return err;
        codes[n] = static_cast<int8_t>(code);
        h2 = h1;
        h1 = out;
    }
    end.h1 = h1;
    end.h2 = h2;
    return err;
}

// Open-loop look at one predictor over a frame: the residual against the input itself (the
// decoder's history only for the first two samples). Its energy ranks the predictors, and the
// scale that just covers its peak is where the search for the scale starts.
struct OpenLoop {
    int64_t energy;
    int exp;
};

OpenLoop open_loop(int32_t c1, int32_t c2, const DspHistory& h, const int16_t* x, int count) {
    int32_t h1 = h.h1, h2 = h.h2;
    int64_t peak = 0, energy = 0;
    for (int n = 0; n < count; ++n) {
        const int64_t r = int64_t{x[n]} - predict(c1, c2, h1, h2);
        peak = std::max(peak, r < 0 ? -r : r);
        energy += r * r;
        h2 = h1;
        h1 = x[n];
    }
    int exp = 0;
    while (exp < DSP_MAX_SCALE_EXP && peak * 2 > 15 * (int64_t{1} << exp))
        ++exp;
    return {energy, exp};
}

} // namespace

size_t dsp_bytes_for_samples(size_t samples) {
    return (samples + DSP_FRAME_SAMPLES - 1) / DSP_FRAME_SAMPLES * DSP_FRAME_BYTES;
}

void dsp_design_coefficients(const int16_t* x, size_t n, int16_t* coefs) {
    const std::vector<FrameStats> frames = frame_statistics(x, n);
    FrameStats all;
    for (const auto& f : frames)
        all.add(f);
    // The early, coarse stages only need the broad shape of the statistics: they run on an
    // evenly spread subset of at most DSP_SKETCH_FRAMES frames; the last stage sees them all.
    std::vector<FrameStats> sketch;
    const size_t stride = frames.size() / DSP_SKETCH_FRAMES + 1;
    for (size_t f = 0; f < frames.size(); f += stride)
        sketch.push_back(frames[f]);
    // Grow the codebook by splitting: 1, 2, 4, then 8 predictors, refining after each split.
    std::vector<Pair> pairs{solve(all)};
    while (pairs.size() < DSP_PREDICTORS) {
        std::vector<Pair> split;
        for (const auto& p : pairs) {
            split.push_back({p.a1 * 1.02 + 0.01, p.a2 * 1.02 - 0.01});
            split.push_back({p.a1 * 0.98 - 0.01, p.a2 * 0.98 + 0.01});
        }
        pairs = split;
        if (pairs.size() < DSP_PREDICTORS) {
            lloyd(sketch, pairs, 8);
        } else {
            lloyd(frames, pairs, 24);
        }
    }
    for (int k = 0; k < DSP_PREDICTORS; ++k) {
        coefs[2 * k] = to_fixed(pairs[k].a1);
        coefs[2 * k + 1] = to_fixed(pairs[k].a2);
    }
}

int64_t dsp_encode_frame(const int16_t* coefs, DspHistory& history, const int16_t* x, int count,
                         uint8_t* frame) {
    // Every predictor at the scales around its estimate (further ones never won in our
    // measurements), each coded exactly as the decoder rebuilds it.
    int64_t best = DSP_WORST;
    int best_pred = 0, best_exp = 0;
    int8_t codes[DSP_FRAME_SAMPLES] = {}, best_codes[DSP_FRAME_SAMPLES] = {};
    DspHistory best_end = history;
    OpenLoop look[DSP_PREDICTORS];
    int order[DSP_PREDICTORS];
    for (int k = 0; k < DSP_PREDICTORS; ++k) {
        look[k] = open_loop(coefs[2 * k], coefs[2 * k + 1], history, x, count);
        order[k] = k;
    }
    // Most promising first, so that the early exits of the others come soon.
    std::sort(order, order + DSP_PREDICTORS,
              [&](int a, int b) { return look[a].energy < look[b].energy; });
    for (const int k : order) {
        // A predictor whose open-loop error is many times the best one's never won in our
        // measurements; the rest of the (sorted) list is skipped.
        if (look[k].energy > DSP_PRUNE_RATIO * look[order[0]].energy + 64) break;
        const int first = look[k].exp;
        for (const int exp : {first, first - 1, first + 1}) {
            if (exp < 0 || exp > DSP_MAX_SCALE_EXP) continue;
            DspHistory end;
            const int64_t err = quantise_frame(coefs[2 * k], coefs[2 * k + 1], exp, history, x,
                                               count, best, codes, end);
            if (err < best) {
                best = err, best_pred = k, best_exp = exp, best_end = end;
                std::memcpy(best_codes, codes, sizeof codes);
            }
        }
    }
    frame[0] = static_cast<uint8_t>(best_pred << 4 | best_exp);
    for (int i = 0; i < DSP_FRAME_SAMPLES / 2; ++i)
        frame[1 + i] =
            static_cast<uint8_t>((best_codes[2 * i] & 0xF) << 4 | (best_codes[2 * i + 1] & 0xF));
    history = best_end;
    return best;
}

void dsp_encode_channel(const int16_t* x, size_t n, uint8_t* out, int16_t* coefs) {
    dsp_design_coefficients(x, n, coefs);
    DspHistory h;
    for (size_t start = 0, f = 0; start < n; start += DSP_FRAME_SAMPLES, ++f) {
        const int count = static_cast<int>(std::min<size_t>(DSP_FRAME_SAMPLES, n - start));
        dsp_encode_frame(coefs, h, x + start, count, out + f * DSP_FRAME_BYTES);
    }
}

void dsp_decode_frame(const int16_t* coefs, DspHistory& history, const uint8_t* frame, int count,
                      int16_t* out) {
    const int k = (frame[0] >> 4) & 7;
    const int exp = frame[0] & 0xF;
    const int32_t c1 = coefs[2 * k], c2 = coefs[2 * k + 1];
    int32_t h1 = history.h1, h2 = history.h2;
    for (int n = 0; n < count; ++n) {
        const int nibble = (frame[1 + n / 2] >> ((n & 1) ? 0 : 4)) & 0xF;
        const int64_t code = nibble >= 8 ? nibble - 16 : nibble;
        const int64_t v =
            (code * (int64_t{1} << exp) * 2048 + 1024 + int64_t{c1} * h1 + int64_t{c2} * h2) >> 11;
        const int32_t s = static_cast<int32_t>(std::clamp<int64_t>(v, -32768, 32767));
        out[n] = static_cast<int16_t>(s);
        h2 = h1;
        h1 = s;
    }
    history.h1 = h1;
    history.h2 = h2;
}

size_t dsp_decode_stream(const int16_t* coefs, DspHistory& history, const uint8_t* data,
                         size_t size, size_t samples, int16_t* out) {
    const size_t frames = size / DSP_FRAME_BYTES;
    samples = std::min(samples, frames * DSP_FRAME_SAMPLES);
    for (size_t start = 0; start < samples; start += DSP_FRAME_SAMPLES) {
        const int count = static_cast<int>(std::min<size_t>(DSP_FRAME_SAMPLES, samples - start));
        dsp_decode_frame(coefs, history, data + start / DSP_FRAME_SAMPLES * DSP_FRAME_BYTES, count,
                         out + start);
    }
    return samples;
}

DspLoopContext dsp_loop_context(const int16_t* coefs, const uint8_t* adpcm, size_t loop_start) {
    // Decode everything before the loop start; the history then holds the two samples the
    // decoder needs to resume there.
    DspHistory h;
    const size_t frame = loop_start / DSP_FRAME_SAMPLES;
    int16_t scratch[DSP_FRAME_SAMPLES];
    for (size_t f = 0; f < frame; ++f)
        dsp_decode_frame(coefs, h, adpcm + f * DSP_FRAME_BYTES, DSP_FRAME_SAMPLES, scratch);
    const int within = static_cast<int>(loop_start % DSP_FRAME_SAMPLES);
    if (within) dsp_decode_frame(coefs, h, adpcm + frame * DSP_FRAME_BYTES, within, scratch);
    return {adpcm[frame * DSP_FRAME_BYTES], static_cast<int16_t>(h.h1), static_cast<int16_t>(h.h2)};
}
