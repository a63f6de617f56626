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
constexpr int DSP_BEAM = 3;
constexpr int DSP_SECOND_PASS = 2;
// Frames whose error is below this fraction of the mean frame error so far skip the second
// pass: they add little to the noise, and skipping them keeps the encoder fast.
constexpr int64_t DSP_REFINE_FRACTION = 2;

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

// Second pass over a chosen predictor and scale: the nearest code per sample is not the best
// sequence, since each reconstruction feeds the prediction of the next samples. A small beam
// keeps the DSP_BEAM best partial reconstructions by squared error so far, each extended by
// the two codes around its residual; back-pointers recover the codes of the winner. The
// selection is branch-free (it runs on most of the loud frames, where branches mispredict).
// Gives up once every path reaches `bound`.
int64_t trellis_frame(int32_t c1, int32_t c2, int exp, const DspHistory& start, const int16_t* x,
                      int count, int64_t bound, int8_t* codes, DspHistory& end) {
    constexpr int CHILDREN = 2 * DSP_BEAM;
    // Paths that do not exist carry this error; it stays far from overflow when shifted below.
    constexpr int64_t DEAD = int64_t{1} << 52;
    const int32_t scale = int32_t{1} << exp;
    int32_t h1[DSP_BEAM], h2[DSP_BEAM];
    int64_t err[DSP_BEAM];
    uint8_t parent[DSP_FRAME_SAMPLES][DSP_BEAM];
    int8_t code_of[DSP_FRAME_SAMPLES][DSP_BEAM];
    for (int s = 0; s < DSP_BEAM; ++s)
        h1[s] = start.h1, h2[s] = start.h2, err[s] = s ? DEAD : 0;
    for (int n = 0; n < count; ++n) {
        // Key of a child: its error above, its index in the low three bits, so that the
        // smallest keys are the best children and name themselves.
        int64_t key[CHILDREN];
        int32_t out_of[CHILDREN];
        int8_t child_code[CHILDREN];
        for (int s = 0; s < DSP_BEAM; ++s) {
            const int32_t pred = predict(c1, c2, h1[s], h2[s]);
            const int32_t below = std::clamp((x[n] - pred) >> exp, -8, 7);
            for (int d = 0; d < 2; ++d) {
                const int32_t code = std::min(below + d, 7);
                const int32_t out = std::clamp(pred + code * scale, -32768, 32767);
                const int64_t e = x[n] - out;
                const int64_t total = std::min(err[s] + e * e, DEAD);
                const int c = 2 * s + d;
                // The second child of a path whose nearest code is already 7 repeats it.
                key[c] = (d && below == 7 ? DEAD : total) << 3 | c;
                out_of[c] = out;
                child_code[c] = static_cast<int8_t>(code);
            }
        }
        int64_t least = key[0];
        for (int c = 1; c < CHILDREN; ++c)
            least = std::min(least, key[c]);
        if ((least >> 3) >= bound) return bound;
        int32_t nh1[DSP_BEAM], nh2[DSP_BEAM];
        for (int j = 0; j < DSP_BEAM; ++j) {
            if (j) {
                least = key[0];
                for (int c = 1; c < CHILDREN; ++c)
                    least = std::min(least, key[c]);
            }
            const int c = static_cast<int>(least & 7);
            key[c] = std::numeric_limits<int64_t>::max();
            const int s = c >> 1;
            nh1[j] = out_of[c], nh2[j] = h1[s];
            err[j] = least >> 3;
            parent[n][j] = static_cast<uint8_t>(s);
            code_of[n][j] = child_code[c];
        }
        for (int j = 0; j < DSP_BEAM; ++j)
            h1[j] = nh1[j], h2[j] = nh2[j];
    }
    int at = 0;
    for (int n = count - 1; n >= 0; --n) {
        codes[n] = code_of[n][at];
        at = parent[n][at];
    }
    end.h1 = h1[0];
    end.h2 = h2[0];
    return err[0];
}

// Open-loop look at one predictor over a frame: the residual against the input itself (the
// decoder's history only for the first two samples). Its energy ranks the predictors, and the
// scale that just covers its peak is where the search for the scale starts.
struct OpenLoop {
    float energy;
    int exp;
};

// All eight predictors at once, in single precision: this only ranks and seeds the exact
// search, and the fixed-width loop over the predictors runs in vector registers.
void open_loop(const int16_t* coefs, const DspHistory& h, const int16_t* x, int count,
               OpenLoop* look) {
    float c1[DSP_PREDICTORS], c2[DSP_PREDICTORS], peak[DSP_PREDICTORS] = {},
                                                  energy[DSP_PREDICTORS] = {};
    for (int k = 0; k < DSP_PREDICTORS; ++k)
        c1[k] = coefs[2 * k] / 2048.0f, c2[k] = coefs[2 * k + 1] / 2048.0f;
    float h1 = static_cast<float>(h.h1), h2 = static_cast<float>(h.h2);
    for (int n = 0; n < count; ++n) {
        const float v = x[n];
        for (int k = 0; k < DSP_PREDICTORS; ++k) {
            const float r = v - (c1[k] * h1 + c2[k] * h2);
            peak[k] = std::max(peak[k], std::fabs(r));
            energy[k] += r * r;
        }
        h2 = h1;
        h1 = v;
    }
    for (int k = 0; k < DSP_PREDICTORS; ++k) {
        int exp = 0;
        while (exp < DSP_MAX_SCALE_EXP && peak[k] * 2 > 15.0f * static_cast<float>(1 << exp))
            ++exp;
        look[k] = {energy[k], exp};
    }
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
    // The codebook is grown and refined on an evenly spread subset of at most DSP_SKETCH_FRAMES
    // frames, which holds the broad shape of the statistics; a few passes over all frames
    // finish it (more passes lower this open-loop measure but not the coded error).
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
        lloyd(sketch, pairs, 8);
        if (pairs.size() == DSP_PREDICTORS) lloyd(frames, pairs, 3);
    }
    for (int k = 0; k < DSP_PREDICTORS; ++k) {
        coefs[2 * k] = to_fixed(pairs[k].a1);
        coefs[2 * k + 1] = to_fixed(pairs[k].a2);
    }
}

int64_t dsp_encode_frame(const int16_t* coefs, DspHistory& history, const int16_t* x, int count,
                         uint8_t* frame, int64_t refine_above) {
    // First pass: every predictor at the scales around its estimate (further ones never won in
    // our measurements), each coded exactly as the decoder rebuilds it with the nearest code
    // per sample. Only the errors count here. Each candidate is coded until it is no better
    // than the best so far; the last DSP_SECOND_PASS leaders are kept.
    struct Candidate {
        int64_t err;
        int pred, exp;
    };
    Candidate top[DSP_SECOND_PASS];
    int held = 0;
    int8_t codes[DSP_FRAME_SAMPLES] = {};
    DspHistory end;
    OpenLoop look[DSP_PREDICTORS];
    int order[DSP_PREDICTORS];
    open_loop(coefs, history, x, count, look);
    for (int k = 0; k < DSP_PREDICTORS; ++k)
        order[k] = k;
    // Most promising first, so that the early exits of the others come soon.
    std::sort(order, order + DSP_PREDICTORS,
              [&](int a, int b) { return look[a].energy < look[b].energy; });
    for (const int k : order) {
        // A predictor whose open-loop error is many times the best one's never won in our
        // measurements; the rest of the (sorted) list is skipped.
        if (look[k].energy > DSP_PRUNE_RATIO * look[order[0]].energy + 64) break;
        // The error against the scale is close to unimodal: the scale above the estimate is
        // worth a try only when the one below did not beat the estimate itself.
        const int first = look[k].exp;
        int64_t at_first = DSP_WORST;
        for (const int exp : {first, first - 1, first + 1}) {
            if (exp < 0 || exp > DSP_MAX_SCALE_EXP) continue;
            if (exp > first && at_first == DSP_WORST) continue;
            const int64_t bound = held ? top[0].err : DSP_WORST;
            const int64_t err = quantise_frame(coefs[2 * k], coefs[2 * k + 1], exp, history, x,
                                               count, bound, codes, end);
            if (exp == first) at_first = err;
            if (exp < first && err < at_first) at_first = DSP_WORST;
            if (err >= bound) continue;
            int at = held < DSP_SECOND_PASS ? held++ : held - 1;
            for (; at > 0 && top[at - 1].err > err; --at)
                top[at] = top[at - 1];
            top[at] = {err, k, exp};
        }
    }
    // Second pass, on the frames that matter: the beam search over the codes of each kept
    // candidate; the best result wins, the first pass's best when nothing beats it.
    int64_t best = top[0].err + 1;
    int best_pred = top[0].pred, best_exp = top[0].exp;
    int8_t best_codes[DSP_FRAME_SAMPLES] = {};
    DspHistory best_end;
    if (top[0].err >= refine_above) {
        for (int i = 0; i < held; ++i) {
            // A runner-up well behind the leader seldom overtakes it: leaving it out saves time.
            if (i && top[i].err > top[0].err / 4 * 5) break;
            const int k = top[i].pred;
            const int64_t err = trellis_frame(coefs[2 * k], coefs[2 * k + 1], top[i].exp, history,
                                              x, count, best, codes, end);
            if (err >= best) continue;
            best = err, best_pred = k, best_exp = top[i].exp, best_end = end;
            std::memcpy(best_codes, codes, sizeof codes);
        }
    }
    if (best > top[0].err) {
        best = quantise_frame(coefs[2 * best_pred], coefs[2 * best_pred + 1], best_exp, history, x,
                              count, DSP_WORST, best_codes, best_end);
    }
    frame[0] = static_cast<uint8_t>(best_pred << 4 | best_exp);
    for (int i = count; i < DSP_FRAME_SAMPLES; ++i)
        best_codes[i] = 0;
    for (int i = 0; i < DSP_FRAME_SAMPLES / 2; ++i)
        frame[1 + i] =
            static_cast<uint8_t>((best_codes[2 * i] & 0xF) << 4 | (best_codes[2 * i + 1] & 0xF));
    history = best_end;
    return best;
}

void dsp_encode_channel(const int16_t* x, size_t n, uint8_t* out, int16_t* coefs) {
    dsp_design_coefficients(x, n, coefs);
    DspHistory h;
    // The second pass pays only on the frames that carry the noise: those whose error is at
    // least a fraction of the mean frame error so far.
    int64_t total = 0;
    for (size_t start = 0, f = 0; start < n; start += DSP_FRAME_SAMPLES, ++f) {
        const int count = static_cast<int>(std::min<size_t>(DSP_FRAME_SAMPLES, n - start));
        const int64_t gate =
            static_cast<int64_t>(f ? total / static_cast<int64_t>(f) / DSP_REFINE_FRACTION : 0);
        total += dsp_encode_frame(coefs, h, x + start, count, out + f * DSP_FRAME_BYTES, gate);
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
