// Benchmark of the two encoder libraries, loaded by name as the bank builder loads them: the
// signal-to-noise ratio of decode(encode(x)) for every corpus signal, and the encoding speed
// in samples per second (best of several runs over the whole corpus).
#include "platform/dsptool/dsp_codec.h"
#include "platform/dsptool/dsptool.h"
#include "platform/encvag/encvag.h"
#include "platform/encvag/testing/codec_corpus.h"
#include "platform/encvag/testing/loaded_library.h"
#include "platform/encvag/vag_codec.h"

#include <cstdio>
#include <ctime>
#include <map>
#include <vector>

namespace {

struct Vag {
    EncVagInitFn init;
    EncVagFn block;
};
struct Dsp {
    DsptoolGetBytesFn bytes;
    DsptoolEncodeFn encode;
};

std::vector<uint8_t> vag_encode(const Vag& vag, const std::vector<int16_t>& x) {
    const size_t blocks = x.size() / VAG_BLOCK_SAMPLES;
    std::vector<uint8_t> data(blocks * VAG_BLOCK_BYTES);
    vag.init(1);
    for (size_t b = 0; b < blocks; ++b)
        vag.block(x.data() + b * VAG_BLOCK_SAMPLES, data.data() + b * VAG_BLOCK_BYTES,
                  b + 1 == blocks ? ENCVAG_ATTR_END : ENCVAG_ATTR_BODY);
    return data;
}

std::vector<int16_t> vag_round_trip(const Vag& vag, const std::vector<int16_t>& x) {
    const std::vector<uint8_t> data = vag_encode(vag, x);
    std::vector<int16_t> out(data.size() / VAG_BLOCK_BYTES * VAG_BLOCK_SAMPLES);
    vag_decode_stream(data.data(), data.size(), out.data());
    return out;
}

std::vector<uint8_t> dsp_encode(const Dsp& dsp, std::vector<int16_t> x, DspAdpcmInfo& info) {
    std::vector<uint8_t> data(dsp.bytes(static_cast<uint32_t>(x.size())));
    dsp.encode(x.data(), data.data(), &info, static_cast<uint32_t>(x.size()));
    return data;
}

std::vector<int16_t> dsp_round_trip(const Dsp& dsp, const std::vector<int16_t>& x) {
    DspAdpcmInfo info{};
    const std::vector<uint8_t> data = dsp_encode(dsp, x, info);
    int16_t coefs[16];
    for (int i = 0; i < 16; ++i)
        coefs[i] = static_cast<int16_t>(info.coef[i]);
    std::vector<int16_t> out(x.size());
    DspHistory h;
    dsp_decode_stream(coefs, h, data.data(), data.size(), x.size(), out.data());
    return out;
}

double cpu_seconds() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// Processor time rather than wall time: the machine is shared, and what matters is what one
// core does per second of its own time.
template <typename F> double best_seconds(int runs, F&& f) {
    double best = 1e30;
    for (int r = 0; r < runs; ++r) {
        const double t0 = cpu_seconds();
        f();
        best = std::min(best, cpu_seconds() - t0);
    }
    return best;
}

} // namespace

int main() {
    LoadedLibrary vag_lib("libencvag.so"), dsp_lib("libdsptool.so");
    if (!vag_lib.loaded() || !dsp_lib.loaded()) {
        std::fprintf(stderr, "cannot load the libraries: %s %s\n", vag_lib.error().c_str(),
                     dsp_lib.error().c_str());
        return 1;
    }
    const Vag vag{vag_lib.function<EncVagInitFn>("EncVagInit"),
                  vag_lib.function<EncVagFn>("EncVag")};
    const Dsp dsp{dsp_lib.function<DsptoolGetBytesFn>("getBytesForAdpcmBuffer"),
                  dsp_lib.function<DsptoolEncodeFn>("encode")};
    if (!vag.init || !vag.block || !dsp.bytes || !dsp.encode) {
        std::fprintf(stderr, "missing functions\n");
        return 1;
    }
    const std::string dir = make_temp_dir("codec_bench_");
    std::string error;
    const std::vector<CorpusSignal> corpus = make_codec_corpus(dir, error);
    remove_dir(dir);
    if (corpus.empty()) {
        std::fprintf(stderr, "corpus: %s\n", error.c_str());
        return 1;
    }

    std::printf("SNR of decode(encode(x)) in dB\n%-8s %6s %8s %8s\n", "signal", "rate", "VAG",
                "DSP");
    std::map<std::string, std::pair<double, double>> by_kind;
    std::map<std::string, int> count;
    size_t total_samples = 0;
    for (const auto& s : corpus) {
        const auto v = vag_round_trip(vag, s.samples);
        const auto d = dsp_round_trip(dsp, s.samples);
        const double sv = snr_db(s.samples.data(), v.data(), v.size());
        const double sd = snr_db(s.samples.data(), d.data(), d.size());
        std::printf("%-8s %6d %8.2f %8.2f\n", s.kind.c_str(), s.rate, sv, sd);
        by_kind[s.kind].first += sv;
        by_kind[s.kind].second += sd;
        ++count[s.kind];
        total_samples += s.samples.size();
    }
    std::printf("\nmean over the three rates\n");
    for (const auto& [kind, sums] : by_kind)
        std::printf("%-8s %15.2f %8.2f\n", kind.c_str(), sums.first / count[kind],
                    sums.second / count[kind]);

    const double tv = best_seconds(3, [&] {
        for (const auto& s : corpus)
            vag_encode(vag, s.samples);
    });
    const double td = best_seconds(3, [&] {
        DspAdpcmInfo info{};
        for (const auto& s : corpus)
            dsp_encode(dsp, s.samples, info);
    });
    const double n = static_cast<double>(total_samples);
    std::printf("\nencoding speed over %zu samples (best of 3 runs, processor time of one "
                "core)\n",
                total_samples);
    std::printf("VAG %8.2f million samples/s\n", n / tv / 1e6);
    std::printf("DSP %8.2f million samples/s\n", n / td / 1e6);
    return 0;
}
