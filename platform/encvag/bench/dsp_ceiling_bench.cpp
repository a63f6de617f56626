// How far the DSP ADPCM encoder is from what the format can give on the corpus signals.
// For each signal it prints the SNR of the library's encoder and of two searches far wider
// than any practical encoder, both greedy frame by frame and both checked by decoding the
// frames they write with our decoder:
//   wide  the same eight designed predictors, every scale, a 16-path search over the codes
//         (four codes around each path's residual);
//   free  as wide with 8 paths, but each frame may also take any predictor of a grid in steps
//         of 1/16 (the 16 with the least open-loop error over the frame). No DSP stream can
//         carry a predictor per frame, so this figure lies above what any encoder reaches.
// With --look-ahead a fourth column (slow: about six times the others): the designed predictors
// with a 4-path search, where each frame takes, of its six best choices, the one whose error
// and the best next frame's error are least together.
// Usage: dsp_ceiling_bench [--look-ahead] [kind ...]   (default: pluck chord)
#include "platform/dsptool/dsp_codec.h"
#include "platform/encvag/testing/codec_corpus.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct Predictor {
    int16_t c1, c2;
};

struct Path {
    int32_t h1 = 0, h2 = 0;
    int64_t err = 0;
    std::array<int8_t, DSP_FRAME_SAMPLES> codes{};
};

// The best code sequence for one predictor and scale among `width` paths, each extended by the
// four codes around its residual; identical decoder states are kept once.
Path search_codes(Predictor p, int exp, const DspHistory& start, const int16_t* x, int width) {
    std::vector<Path> paths{Path{start.h1, start.h2, 0, {}}}, children;
    const int32_t scale = 1 << exp;
    for (int n = 0; n < DSP_FRAME_SAMPLES; ++n) {
        children.clear();
        for (const Path& path : paths) {
            const int32_t pred = static_cast<int32_t>(
                (int64_t{p.c1} * path.h1 + int64_t{p.c2} * path.h2 + 1024) >> 11);
            const int32_t below = std::clamp((x[n] - pred) >> exp, -8, 7);
            for (int32_t code = below - 1; code <= below + 2; ++code) {
                if (code < -8 || code > 7) continue;
                const int32_t out = std::clamp(pred + code * scale, -32768, 32767);
                const int64_t e = x[n] - out;
                Path child = path;
                child.h2 = path.h1, child.h1 = out, child.err = path.err + e * e;
                child.codes[n] = static_cast<int8_t>(code);
                children.push_back(child);
            }
        }
        std::sort(children.begin(), children.end(),
                  [](const Path& a, const Path& b) { return a.err < b.err; });
        paths.clear();
        for (const Path& c : children) {
            const bool seen = std::any_of(paths.begin(), paths.end(), [&](const Path& q) {
                return q.h1 == c.h1 && q.h2 == c.h2;
            });
            if (!seen) paths.push_back(c);
            if (static_cast<int>(paths.size()) == width) break;
        }
    }
    return paths.front();
}

struct Choice {
    Path path;
    Predictor p;
    int exp;
};

// Every candidate predictor at every scale for the frame at x, best first.
template <typename Candidates>
std::vector<Choice> frame_choices(const int16_t* x, size_t start, const DspHistory& h, int width,
                                  Candidates& candidates) {
    std::vector<Choice> choices;
    for (const Predictor p : candidates(start, h))
        for (int exp = 0; exp <= DSP_MAX_SCALE_EXP; ++exp)
            choices.push_back({search_codes(p, exp, h, x + start, width), p, exp});
    std::sort(choices.begin(), choices.end(),
              [](const Choice& a, const Choice& b) { return a.path.err < b.path.err; });
    return choices;
}

// Encodes the whole frames of x frame by frame with the best predictor, scale and codes from
// `candidates(frame start, history)`: the least error, or with `look_ahead` > 0 the least error
// of this frame and the best next frame among this frame's `look_ahead` best choices. Decodes
// what it wrote and returns the SNR.
template <typename Candidates>
double search_signal(const std::vector<int16_t>& x, int width, int look_ahead,
                     Candidates&& candidates) {
    const size_t n = x.size() / DSP_FRAME_SAMPLES * DSP_FRAME_SAMPLES;
    std::vector<int16_t> decoded(n);
    DspHistory enc, dec;
    for (size_t start = 0; start < n; start += DSP_FRAME_SAMPLES) {
        const std::vector<Choice> choices = frame_choices(x.data(), start, enc, width, candidates);
        const Choice* chosen = &choices.front();
        const size_t next = start + DSP_FRAME_SAMPLES;
        int64_t least = -1;
        for (int i = 0; look_ahead > 0 && next < n && i < look_ahead; ++i) {
            const DspHistory after{choices[i].path.h1, choices[i].path.h2};
            const int64_t both =
                choices[i].path.err +
                frame_choices(x.data(), next, after, width, candidates).front().path.err;
            if (least < 0 || both < least) least = both, chosen = &choices[i];
        }
        uint8_t frame[DSP_FRAME_BYTES];
        frame[0] = static_cast<uint8_t>(chosen->exp);
        for (int i = 0; i < DSP_FRAME_SAMPLES / 2; ++i)
            frame[1 + i] = static_cast<uint8_t>((chosen->path.codes[2 * i] & 0xF) << 4 |
                                                (chosen->path.codes[2 * i + 1] & 0xF));
        // Predictor 0 of a table holding only this frame's predictor.
        int16_t table[2 * DSP_PREDICTORS] = {chosen->p.c1, chosen->p.c2};
        dsp_decode_frame(table, dec, frame, DSP_FRAME_SAMPLES, decoded.data() + start);
        enc.h1 = chosen->path.h1, enc.h2 = chosen->path.h2;
    }
    return snr_db(x.data(), decoded.data(), n);
}

double library_snr(const std::vector<int16_t>& x, int16_t* coefs) {
    std::vector<uint8_t> data(dsp_bytes_for_samples(x.size()));
    dsp_encode_channel(x.data(), x.size(), data.data(), coefs);
    std::vector<int16_t> decoded(x.size());
    DspHistory h;
    dsp_decode_stream(coefs, h, data.data(), data.size(), x.size(), decoded.data());
    return snr_db(x.data(), decoded.data(), x.size());
}

// The `keep` predictors of the grid with the least open-loop error over the frame at x.
std::vector<Predictor> nearest_of_grid(const std::vector<Predictor>& grid, const int16_t* x,
                                       const DspHistory& h, size_t keep) {
    std::vector<std::pair<double, size_t>> ranked;
    for (size_t k = 0; k < grid.size(); ++k) {
        double energy = 0, h1 = h.h1, h2 = h.h2;
        for (int n = 0; n < DSP_FRAME_SAMPLES; ++n) {
            const double r = x[n] - (grid[k].c1 * h1 + grid[k].c2 * h2) / 2048.0;
            energy += r * r;
            h2 = h1, h1 = x[n];
        }
        ranked.push_back({energy, k});
    }
    keep = std::min(keep, ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<long>(keep), ranked.end());
    std::vector<Predictor> out;
    for (size_t i = 0; i < keep; ++i)
        out.push_back(grid[ranked[i].second]);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    std::set<std::string> kinds;
    bool look_ahead = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--look-ahead")
            look_ahead = true;
        else
            kinds.insert(argv[i]);
    }
    if (kinds.empty()) kinds = {"pluck", "chord"};

    const std::string dir = make_temp_dir("dsp_ceiling_bench_");
    std::string error;
    const std::vector<CorpusSignal> corpus = make_codec_corpus(dir, error);
    remove_dir(dir);
    if (corpus.empty()) {
        std::fprintf(stderr, "corpus: %s\n", error.c_str());
        return 1;
    }
    std::vector<Predictor> grid;
    for (int a = -40; a <= 40; ++a)
        for (int b = -24; b <= 24; ++b)
            grid.push_back({static_cast<int16_t>(a * 128), static_cast<int16_t>(b * 128)});

    std::printf("SNR of decode(encode(x)) in dB\n%-8s %6s %8s %8s %8s%s\n", "signal", "rate",
                "library", "wide", "free", look_ahead ? "  wide+la" : "");
    std::map<std::string, std::array<double, 4>> sums;
    std::map<std::string, int> count;
    for (const auto& s : corpus) {
        if (!kinds.count(s.kind)) continue;
        int16_t coefs[2 * DSP_PREDICTORS];
        const double library = library_snr(s.samples, coefs);
        std::vector<Predictor> designed;
        for (int k = 0; k < DSP_PREDICTORS; ++k)
            designed.push_back({coefs[2 * k], coefs[2 * k + 1]});
        const auto only_designed = [&](size_t, const DspHistory&) { return designed; };
        const double wide = search_signal(s.samples, 16, 0, only_designed);
        const double free = search_signal(s.samples, 8, 0, [&](size_t start, const DspHistory& h) {
            std::vector<Predictor> c = nearest_of_grid(grid, s.samples.data() + start, h, 16);
            c.insert(c.end(), designed.begin(), designed.end());
            return c;
        });
        const double ahead = look_ahead ? search_signal(s.samples, 4, 6, only_designed) : 0;
        std::printf("%-8s %6d %8.2f %8.2f %8.2f", s.kind.c_str(), s.rate, library, wide, free);
        if (look_ahead) std::printf(" %8.2f", ahead);
        std::printf("\n");
        std::fflush(stdout);
        auto& sum = sums[s.kind];
        sum[0] += library, sum[1] += wide, sum[2] += free, sum[3] += ahead;
        ++count[s.kind];
    }
    std::printf("\nmean over the rates\n");
    for (const auto& [kind, sum] : sums) {
        std::printf("%-8s %15.2f %8.2f %8.2f", kind.c_str(), sum[0] / count[kind],
                    sum[1] / count[kind], sum[2] / count[kind]);
        if (look_ahead) std::printf(" %8.2f", sum[3] / count[kind]);
        std::printf("\n");
    }
    return 0;
}
