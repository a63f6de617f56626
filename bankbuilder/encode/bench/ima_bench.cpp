// Benchmark of the IMA ADPCM codec on the generated corpus: SNR of decode(encode(x)) per signal
// and the encoding speed (processor time of one core, best of 3 runs).
#include "bankbuilder/encode/ima_adpcm.h"
#include "platform/encvag/testing/codec_corpus.h"

#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace {

double cpu_seconds() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

std::vector<uint8_t> encode(const std::vector<int16_t>& x, std::vector<int16_t>& padded) {
    const size_t blocks = (x.size() + IMA_BLOCK_FRAMES - 1) / IMA_BLOCK_FRAMES;
    padded.assign(blocks * IMA_BLOCK_FRAMES, 0);
    std::copy(x.begin(), x.end(), padded.begin());
    std::vector<uint8_t> out(blocks * IMA_BLOCK_BYTES);
    int index = 0;
    ima_encode_mono(padded.data(), blocks, index, out.data());
    return out;
}

} // namespace

int main() {
    const std::string dir = make_temp_dir("ima_bench_");
    std::string error;
    const std::vector<CorpusSignal> corpus = make_codec_corpus(dir, error);
    remove_dir(dir);
    if (corpus.empty()) {
        std::fprintf(stderr, "corpus: %s\n", error.c_str());
        return 1;
    }
    std::printf("IMA ADPCM: SNR of decode(encode(x)) in dB\n%-8s %6s %8s\n", "signal", "rate",
                "IMA");
    std::map<std::string, double> mean;
    size_t total = 0;
    for (const auto& s : corpus) {
        std::vector<int16_t> padded;
        const std::vector<uint8_t> data = encode(s.samples, padded);
        std::vector<int16_t> out(padded.size());
        ima_decode(data.data(), data.size(), 1, out.data());
        const double snr = snr_db(s.samples.data(), out.data(), s.samples.size());
        std::printf("%-8s %6d %8.2f\n", s.kind.c_str(), s.rate, snr);
        mean[s.kind] += snr / 3;
        total += s.samples.size();
    }
    std::printf("\nmean over the three rates\n");
    for (const auto& [kind, v] : mean)
        std::printf("%-8s %15.2f\n", kind.c_str(), v);
    double best = 1e30;
    for (int r = 0; r < 3; ++r) {
        const double t0 = cpu_seconds();
        std::vector<int16_t> padded;
        for (const auto& s : corpus)
            encode(s.samples, padded);
        best = std::min(best, cpu_seconds() - t0);
    }
    std::printf("\nencoding speed: %.2f million samples/s\n", double(total) / best / 1e6);
    return 0;
}
