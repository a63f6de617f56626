// PlayStation ADPCM block encoder and decoder.
#include "platform/encvag/vag_codec.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// The five prediction filters, in 1/64 units: {weight of s1, weight of s2}.
constexpr int32_t VAG_FILTERS[8][2] = {{0, 0},     {60, 0}, {115, -52}, {98, -55},
                                       {122, -60}, {0, 0},  {0, 0},     {0, 0}};

constexpr int64_t VAG_REJECTED = std::numeric_limits<int64_t>::max();

// Quantises one block with a fixed filter and shift exactly as the decoder will rebuild it.
// Gives up (returning at least `bound`) as soon as the error reaches `bound`, which is what
// makes trying every filter and shift affordable. A choice whose reconstruction would need the
// decoder to clamp is refused: decoders differ in whether the clamped value feeds the history,
// and a stream that never clamps decodes identically everywhere.
int64_t quantise_block(const VagHistory& start, const int16_t* x, int filter, int shift,
                       int64_t bound, int8_t* codes, VagHistory& end) {
    const int32_t f0 = VAG_FILTERS[filter][0];
    const int32_t f1 = VAG_FILTERS[filter][1];
    const int bits = VAG_MAX_SHIFT - shift;
    const int32_t step = int32_t{1} << bits;
    const int32_t half = step >> 1;
    int32_t s1 = start.s1;
    int32_t s2 = start.s2;
    int64_t err = 0;
    for (int n = 0; n < VAG_BLOCK_SAMPLES; ++n) {
        const int32_t pred = (s1 * f0 + s2 * f1) / 64;
        int32_t code = (x[n] - pred + half) >> bits;
        code = std::clamp(code, -8, 7);
        int32_t out = pred + code * step;
        if (out > 32767) {
            code -= (out - 32767 + step - 1) >> bits;
            if (code < -8) return VAG_REJECTED;
            out = pred + code * step;
        } else if (out < -32768) {
            code += (-32768 - out + step - 1) >> bits;
            if (code > 7) return VAG_REJECTED;
            out = pred + code * step;
        }
        const int64_t e = x[n] - out;
        err += e * e;
        if (err >= bound) return err;
        codes[n] = static_cast<int8_t>(code);
        s2 = s1;
        s1 = out;
    }
    end.s1 = s1;
    end.s2 = s2;
    return err;
}

// Beam search over the codes of one block with a fixed filter and shift: after every sample
// the VAG_BEAM cheapest partial codings survive, each extended by the nearest code and its
// neighbour on the other side of the target. A slightly worse code now can leave the history
// where the following samples are cheaper; the greedy coder never sees that.
constexpr int VAG_BEAM = 3;

struct BeamPath {
    int32_t s1, s2;
    int64_t err;
    int8_t parent; // survivor of the previous sample this path extends
    int8_t code;
};

int64_t beam_block(const VagHistory& start, const int16_t* x, int filter, int shift, int64_t bound,
                   int8_t* codes, VagHistory& end) {
    const int32_t f0 = VAG_FILTERS[filter][0];
    const int32_t f1 = VAG_FILTERS[filter][1];
    const int bits = VAG_MAX_SHIFT - shift;
    const int32_t step = int32_t{1} << bits;
    const int32_t half = step >> 1;
    // The survivors after every sample, kept so the winner's codes can be traced back.
    BeamPath trail[VAG_BLOCK_SAMPLES + 1][VAG_BEAM];
    int alive_at[VAG_BLOCK_SAMPLES + 1];
    trail[0][0] = {start.s1, start.s2, 0, 0, 0};
    alive_at[0] = 1;
    BeamPath next[2 * VAG_BEAM];
    for (int n = 0; n < VAG_BLOCK_SAMPLES; ++n) {
        int made = 0;
        for (int i = 0; i < alive_at[n]; ++i) {
            const BeamPath& p = trail[n][i];
            const int32_t pred = (p.s1 * f0 + p.s2 * f1) / 64;
            const int32_t nearest = std::clamp((x[n] - pred + half) >> bits, -8, 7);
            const int32_t other = x[n] - pred >= nearest * step ? nearest + 1 : nearest - 1;
            for (const int32_t code : {nearest, other}) {
                if (code < -8 || code > 7) continue;
                const int32_t out = pred + code * step;
                if (out < -32768 || out > 32767) continue; // never lean on the decoder's clamp
                const int64_t e = x[n] - out;
                const int64_t err = p.err + e * e;
                if (err >= bound) continue;
                // Paths that reach the same history are interchangeable: keep the cheaper one.
                int same = -1;
                for (int j = 0; j < made; ++j)
                    if (next[j].s1 == out && next[j].s2 == p.s1) same = j;
                if (same >= 0 && next[same].err <= err) continue;
                next[same >= 0 ? same : made++] = {out, p.s1, err, static_cast<int8_t>(i),
                                                   static_cast<int8_t>(code)};
            }
        }
        if (made == 0) return VAG_REJECTED;
        for (int i = 1; i < made; ++i) // insertion sort of at most 2 * VAG_BEAM paths
            for (int j = i; j > 0 && next[j].err < next[j - 1].err; --j)
                std::swap(next[j], next[j - 1]);
        alive_at[n + 1] = std::min(made, VAG_BEAM);
        std::copy(next, next + alive_at[n + 1], trail[n + 1]);
    }
    const BeamPath& won = trail[VAG_BLOCK_SAMPLES][0];
    for (int n = VAG_BLOCK_SAMPLES, i = 0; n > 0; --n) {
        codes[n - 1] = trail[n][i].code;
        i = trail[n][i].parent;
    }
    end.s1 = won.s1;
    end.s2 = won.s2;
    return won.err;
}

// The shift whose step just covers the largest open-loop residual of the filter: the best
// choice is nearly always within one of it, so trying it first makes the early exits bite.
int estimate_shift(const VagHistory& h, const int16_t* x, int filter) {
    const int32_t f0 = VAG_FILTERS[filter][0];
    const int32_t f1 = VAG_FILTERS[filter][1];
    int32_t s1 = h.s1, s2 = h.s2, peak = 0;
    for (int n = 0; n < VAG_BLOCK_SAMPLES; ++n) {
        const int32_t r = x[n] - ((s1 * f0 + s2 * f1) / 64);
        peak = std::max(peak, r < 0 ? -r : r);
        s2 = s1;
        s1 = x[n];
    }
    int shift = VAG_MAX_SHIFT;
    // Largest representable residual at a shift is about 7.5 steps.
    while (shift > 0 && peak * 2 > 15 * (int32_t{1} << (VAG_MAX_SHIFT - shift)))
        --shift;
    return shift;
}

} // namespace

int32_t vag_predict(int filter, int32_t s1, int32_t s2) {
    const auto& f = VAG_FILTERS[filter & 7];
    return (s1 * f[0] + s2 * f[1]) / 64;
}

int64_t vag_encode_block(VagHistory& history, const int16_t* samples, uint8_t flag,
                         uint8_t* block) {
    // Stage 1: every filter at every shift, coded greedily, the best so far bounding the
    // early exits.
    int64_t best = VAG_REJECTED;
    int best_filter = 0, best_shift = 0;
    int8_t best_codes[VAG_BLOCK_SAMPLES] = {};
    VagHistory best_end;
    int8_t codes[VAG_BLOCK_SAMPLES];
    for (int filter = 0; filter < VAG_FILTER_COUNT; ++filter) {
        const int first = estimate_shift(history, samples, filter);
        // Outward from the estimate: first, first+1, first-1, first+2, ...
        for (int k = 0; k <= 2 * VAG_MAX_SHIFT + 1; ++k) {
            const int shift = first + ((k & 1) ? (k + 1) / 2 : -(k / 2));
            if (shift < 0 || shift > VAG_MAX_SHIFT) continue;
            VagHistory end;
            const int64_t err = quantise_block(history, samples, filter, shift, best, codes, end);
            if (err < best) {
                best = err, best_filter = filter, best_shift = shift, best_end = end;
                std::memcpy(best_codes, codes, sizeof codes);
            }
        }
    }
    // Stage 2: a beam search over the codes of the winning filter and shift; the greedy coding
    // stays when the beam finds nothing better. (Filter 0 never clamps, so stage 1 always has
    // a winner.)
    if (best > 0) {
        VagHistory end;
        const int64_t err = beam_block(history, samples, best_filter, best_shift, best, codes, end);
        if (err < best) {
            best = err, best_end = end;
            std::memcpy(best_codes, codes, sizeof codes);
        }
    }
    block[0] = static_cast<uint8_t>(best_filter << 4 | best_shift);
    block[1] = flag;
    for (int i = 0; i < VAG_BLOCK_SAMPLES / 2; ++i)
        block[2 + i] =
            static_cast<uint8_t>((best_codes[2 * i] & 0xF) | (best_codes[2 * i + 1] & 0xF) << 4);
    history = best_end;
    return best;
}

void vag_decode_block(VagHistory& history, const uint8_t* block, int16_t* samples) {
    const int filter = block[0] >> 4;
    const int shift = block[0] & 0xF;
    const int32_t f0 = VAG_FILTERS[filter < VAG_FILTER_COUNT ? filter : 0][0];
    const int32_t f1 = VAG_FILTERS[filter < VAG_FILTER_COUNT ? filter : 0][1];
    int32_t s1 = history.s1, s2 = history.s2;
    for (int n = 0; n < VAG_BLOCK_SAMPLES; ++n) {
        const int nibble = (block[2 + n / 2] >> ((n & 1) * 4)) & 0xF;
        const int32_t code = static_cast<int16_t>(static_cast<uint16_t>(nibble << 12)) >> shift;
        const int32_t out = std::clamp(code + ((s1 * f0 + s2 * f1) / 64), -32768, 32767);
        samples[n] = static_cast<int16_t>(out);
        s2 = s1;
        s1 = out;
    }
    history.s1 = s1;
    history.s2 = s2;
}

size_t vag_decode_stream(const uint8_t* data, size_t size, int16_t* out) {
    VagHistory h;
    const size_t blocks = size / VAG_BLOCK_BYTES;
    for (size_t b = 0; b < blocks; ++b)
        vag_decode_block(h, data + b * VAG_BLOCK_BYTES, out + b * VAG_BLOCK_SAMPLES);
    return blocks * VAG_BLOCK_SAMPLES;
}
